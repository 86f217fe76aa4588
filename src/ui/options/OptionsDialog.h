// The Options dialog: HTML versions and the default reference, the previewer and the
// editing options, and the appearance classes with a coloured sample. The pages work on
// copies (the appearance classes on the live ones, reloaded on Cancel); OK saves them and
// brings the knowledge base, the menus and every open view up to date.
#pragma once

#include "core/colouring/AppearanceSettings.h"
#include "core/config/EditorConfig.h"
#include "core/config/HtmlConfig.h"
#include "core/preview/CPreviewConfig.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLayout;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace velto {

class CheckOptionsPage;
class CQuorApp;
class CQuorView;
class ColourComboBox;

class OptionsDialog final : public QDialog {
    Q_OBJECT
public:
    OptionsDialog(CQuorApp& app, QWidget* parent);
    ~OptionsDialog() override;

    [[nodiscard]] QTabWidget* Pages() const { return tabs_; }
    // HTML Support page.
    [[nodiscard]] QListWidget* AllTagsList() const { return allList_; }
    [[nodiscard]] QListWidget* CommonTagsList() const { return commonList_; }
    [[nodiscard]] QPushButton* AllTagsAdd() const { return allAdd_; }
    [[nodiscard]] QPushButton* AllTagsRemove() const { return allRemove_; }
    [[nodiscard]] QPushButton* CommonTagsAdd() const { return commonAdd_; }
    [[nodiscard]] QPushButton* CommonTagsRemove() const { return commonRemove_; }
    // Adds the version (its index among all versions) to a list, as its Add menu does.
    void AddVersion(bool allTags, std::size_t version);
    void RemoveSelected(bool allTags);
    // Appearance page.
    [[nodiscard]] QListWidget* Items() const { return items_; }
    [[nodiscard]] ColourComboBox* ItemColour() const { return colour_; }
    [[nodiscard]] QCheckBox* EnableColouring() const { return enableColouring_; }
    [[nodiscard]] CQuorView* Sample() const { return sample_; }
    // Checking page (none without Check Page).
    [[nodiscard]] CheckOptionsPage* Checking() const { return checking_; }

    void accept() override;
    void reject() override;

private:
    QWidget* MakeHtmlSupportPage();
    QWidget* MakeGeneralPage();
    // The two encodings: for new documents and for pages that declare none.
    QLayout* MakeEncodingRows(QWidget* page);
    QWidget* MakeAppearancePage();
    void FillVersionLists();
    void ShowAddMenu(bool allTags);
    void StorePreviewerPath();
    void ShowPreviewer(int index);
    void ChooseTemplate();
    void BrowseProgram();
    void FillItems();
    void ColourSample();
    void ApplyGeneralControls();

    CQuorApp& app_;
    CHtmlConfig html_;
    CEditorConfig editor_;
    AppearanceSettings appearance_; // the classes as they were, for Cancel
    PreviewerList previewers_;
    int previewerShown_ = -1;
    QTabWidget* tabs_;
    // HTML Support
    QListWidget* allList_ = nullptr;
    QListWidget* commonList_ = nullptr;
    QPushButton* allAdd_ = nullptr;
    QPushButton* allRemove_ = nullptr;
    QPushButton* commonAdd_ = nullptr;
    QPushButton* commonRemove_ = nullptr;
    QComboBox* reference_ = nullptr;
    // General
    QComboBox* previewer_ = nullptr;
    QCheckBox* inFront_ = nullptr;
    QLineEdit* programPath_ = nullptr;
    QCheckBox* vgaColours_ = nullptr;
    QCheckBox* userColours_ = nullptr;
    QRadioButton* terms_[3] = {};
    QCheckBox* lowerCaseTags_ = nullptr;
    QCheckBox* lowerCasePaths_ = nullptr;
    QCheckBox* colourNames_ = nullptr;
    QCheckBox* imageSize_ = nullptr;
    QCheckBox* relativePaths_ = nullptr;
    QCheckBox* autoClose_ = nullptr;
    QCheckBox* autoCloseOptional_ = nullptr;
    QCheckBox* completeAsYouType_ = nullptr;
    QComboBox* newEncoding_ = nullptr;
    QComboBox* fallbackEncoding_ = nullptr;
    QCheckBox* advanced_ = nullptr;
    QCheckBox* greyed_ = nullptr;
    QLineEdit* template_ = nullptr;
    // Appearance
    QListWidget* items_ = nullptr;
    ColourComboBox* colour_ = nullptr;
    QCheckBox* enableColouring_ = nullptr;
    CQuorView* sample_ = nullptr;
    CheckOptionsPage* checking_ = nullptr;
};

// Opens the dialog on the page last confirmed in this run; true after OK.
bool RunOptionsDialog(CQuorApp& app, QWidget* parent);

} // namespace velto
