// The bar above a view that says, in one sentence, when a page is shown as raw bytes or
// its declaration disagrees with its bytes, with the ways out: reopen it in another
// encoding, correct the declaration, or leave it be.
#pragma once

#include <QFrame>

#include <functional>

class QHBoxLayout;
class QLabel;

namespace velto {

class CQuorDoc;
class CQuorView;

class EncodingBar : public QFrame {
    Q_OBJECT
public:
    EncodingBar(CQuorDoc& doc, CQuorView& view, QWidget* parent = nullptr);

private:
    void Refresh();
    void AddButton(const QString& text, const std::function<void()>& action);

    CQuorDoc& doc_;
    CQuorView& view_;
    QLabel* text_;
    QHBoxLayout* buttons_;
};

} // namespace velto
