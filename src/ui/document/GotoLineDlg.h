// The Go To Line dialog: one field, a whole number from 1 to 4000000.
#pragma once

#include <QDialog>

#include <optional>

class QLineEdit;

namespace velto {

class GotoLineDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int MinLine = 1;
    static constexpr int MaxLine = 4000000;

    GotoLineDlg(int initialLine, QWidget* parent = nullptr);
    [[nodiscard]] int Line() const { return line_; }
    [[nodiscard]] QLineEdit* Field() const { return field_; }

    // The number in text when it is a whole number in range, else nothing.
    [[nodiscard]] static std::optional<int> ParseLine(const QString& text);

public Q_SLOTS:
    void accept() override;

private:
    QLineEdit* field_;
    int line_;
};

} // namespace velto
