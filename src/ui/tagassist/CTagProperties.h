// CTagProperties: the tag properties dialog. Every attribute of the tag's element in a
// list with the tag's value, an edit button beside the selected row, and the edits kept in
// the tag until OK.
#pragma once

#include "core/tagassist/TagProperties.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QLabel;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace velto {

class CQuorApp;

class CTagProperties : public QDialog {
    Q_OBJECT
public:
    // model works on the tag being edited; showHtmlCodes is the check box's first state.
    CTagProperties(TagProperties& model, CQuorApp& app, bool showHtmlCodes, QWidget* parent = nullptr);

    [[nodiscard]] bool ShowHtmlCodes() const;
    [[nodiscard]] QTreeWidget* List() const { return list_; }
    [[nodiscard]] QToolButton* EditButton() const { return edit_; }
    [[nodiscard]] QLabel* PurposeLabel() const { return purpose_; }

    // Edits the row's attribute: its submenu beside the edit button, or the value edit.
    void EditRow(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void Fill();
    void UpdateRowTexts();
    void OnSelectionChanged();
    void PlaceEditButton();

    TagProperties& model_;
    CQuorApp& app_;
    std::vector<TagProperties::Row> rows_;
    QTreeWidget* list_;
    QToolButton* edit_;
    QLabel* purpose_;
    QCheckBox* showCodes_;
};

} // namespace velto
