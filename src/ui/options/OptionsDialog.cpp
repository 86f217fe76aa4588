// The Options dialog.
#include "ui/options/OptionsDialog.h"

#include "core/colouring/AppearanceSettings.h"
#include "core/colouring/ColourSchedule.h"
#include "core/config/VersionLists.h"
#include "core/encoding/Encoding.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/menu/MenuModel.h"
#include "core/reference/CHtmlHelpRefMgr.h"
#include "core/tagassist/HtmlVerPopup.h"
#include "core/templates/CTemplates.h"
#include "ui/app/CQuorApp.h"
#include "ui/app/CMainFrame.h"
#include "ui/app/MenuRenderer.h"
#include "ui/check/CheckHost.h"
#include "ui/check/CheckOptionsPage.h"
#include "ui/colours/ColourComboBox.h"
#include "ui/document/CQuorDocManager.h"
#include "ui/document/CQuorView.h"
#include "ui/platform/FontChooser.h"
#include "ui/preview/PreviewHost.h"
#include "ui/templates/FolderMenuHost.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace velto {

namespace {
QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// The page confirmed last in this run.
int lastPage = 0;

// Every class in use, one line each, and a style sheet, a script and references for the
// classes inside a page.
constexpr const char* SampleText =
    "<!-- A sample of every kind of tag -->\n"
    "<!DOCTYPE HTML public \"-//W3O//DTD W3 HTML 3.2//EN\">\n"
    "<HTML>\n<HEAD>\n<TITLE>Sample Page</TITLE>\n"
    "<STYLE>\n/* A style sheet */\n"
    "H1 { color: #800000; margin: 0 0 4px !important; font-family: \"Serif\" }\n"
    "@media print { HR { display: none } }\n"
    "</STYLE>\n</HEAD>\n<BODY>\n"
    "<H1>First Heading</H1>\n<H2>Second Heading</H2>\n<HR>\n"
    "<P>A paragraph of plain text, &copy; &#233; and &Rubbish;.</P>\n"
    "<UL>\n"
    "<LI>Style:   <B>bold</B> and <I>italic</I>\n"
    "<LI>Error:   <Rubbish> and <Junk>\n"
    "<LI>Meaning: <CITE>a citation</CITE> and <ADDRESS>an address</ADDRESS>\n"
    "<LI>Anchor:  <A HREF=\"page.html\">a link</A>\n"
    "<LI>Embedded/Programmatic: <IMG SRC=\"picture.gif\" ALT=\"picture\">\n"
    "</UL>\n"
    "<TABLE BORDER=1>\n<CAPTION>A Table</CAPTION>\n"
    "<TR><TD ROWSPAN=2>Two rows</TD><TD>One</TD></TR>\n"
    "<TR><TD>Two</TD></TR>\n<TR><TD COLSPAN=2>Two columns</TD></TR>\n</TABLE>\n"
    "<FORM ACTION=\"/cgi-bin/form\">\n<INPUT TYPE=TEXT NAME=\"name\" onchange=\"greet(this.value)\">\n"
    "<INPUT TYPE=CHECKBOX NAME=\"tick\">\n<INPUT-WoopsAnError TYPE=SUBMIT>\n</FORM>\n"
    "<SCRIPT>\n// A script\n"
    "function greet(name) {\n"
    "  if (/^\\s*$/.test(name)) return 0;\n"
    "  return `Hello, ${name}!` + ' ' + name.length / 2;\n"
    "}\n"
    "</SCRIPT>\n"
    "</BODY>\n</HTML>\n"
    "<!--------- The End ------------>\n";

QColor FromColourRef(std::uint32_t c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

QListWidget* VersionListWidget(QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setMinimumHeight(90);
    return list;
}
} // namespace

OptionsDialog::OptionsDialog(CQuorApp& app, QWidget* parent)
    : QDialog(parent), app_(app), html_(app.Html()), editor_(app.Editor()), appearance_(app.Appearance()),
      previewers_(app.Previews().Profiles().List()), tabs_(new QTabWidget(this)) {
    setWindowTitle(QStringLiteral("Options"));
    tabs_->addTab(MakeHtmlSupportPage(), QStringLiteral("HTML Support"));
    tabs_->addTab(MakeGeneralPage(), QStringLiteral("General"));
    tabs_->addTab(MakeAppearancePage(), QStringLiteral("Appearance"));
    if (CheckHost* host = app.MainFrame() ? CheckHostOf(*app.MainFrame()) : nullptr) {
        checking_ = new CheckOptionsPage(*host);
        tabs_->addTab(checking_, QStringLiteral("Checking"));
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &OptionsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &OptionsDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
    tabs_->setCurrentIndex(lastPage);
    resize(640, 620);
}

OptionsDialog::~OptionsDialog() = default;

// ---- HTML Support ----

QWidget* OptionsDialog::MakeHtmlSupportPage() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    const auto column = [&](int col, const QString& title, const QString& add, const QString& remove,
                            QListWidget*& list, QPushButton*& addButton, QPushButton*& removeButton, bool allTags) {
        auto* label = new QLabel(title, page);
        list = VersionListWidget(page);
        label->setBuddy(list);
        addButton = new QPushButton(add, page);
        removeButton = new QPushButton(remove, page);
        grid->addWidget(label, 0, col, 1, 2);
        grid->addWidget(list, 1, col, 1, 2);
        grid->addWidget(addButton, 2, col);
        grid->addWidget(removeButton, 2, col + 1);
        connect(addButton, &QPushButton::clicked, this, [this, allTags] { ShowAddMenu(allTags); });
        connect(removeButton, &QPushButton::clicked, this, [this, allTags] { RemoveSelected(allTags); });
        connect(list, &QListWidget::currentRowChanged, this, [this] { FillVersionLists(); });
    };
    column(0, QStringLiteral("&Enable All Tags For"), QStringLiteral("&Add"), QStringLiteral("&Remove"), allList_,
           allAdd_, allRemove_, true);
    column(2, QStringLiteral("&Plus Tags Common To"), QStringLiteral("A&dd"), QStringLiteral("Re&move"), commonList_,
           commonAdd_, commonRemove_, false);
    auto* help = new QGroupBox(QStringLiteral("HTML Help"), page);
    auto* helpLayout = new QHBoxLayout(help);
    reference_ = new QComboBox(help);
    for (const auto& ref : app_.References().References())
        reference_->addItem(Q(ref->Name()));
    if (const CHtmlHelpRef* current = app_.References().ReferenceForClass(1, false))
        reference_->setCurrentText(Q(current->Name()));
    auto* referenceLabel = new QLabel(QStringLiteral("Default Reference:"), help);
    referenceLabel->setBuddy(reference_);
    helpLayout->addWidget(referenceLabel);
    helpLayout->addWidget(reference_, 1);
    grid->addWidget(help, 3, 0, 1, 4);
    FillVersionLists();
    return page;
}

void OptionsDialog::FillVersionLists() {
    const auto fill = [this](QListWidget* list, std::uint32_t bit, QPushButton* add, QPushButton* remove) {
        VersionList versions(html_.versions, bit);
        const int row = list->currentRow();
        QStringList names;
        for (const std::string& n : versions.Names())
            names << Q(n);
        QStringList shown;
        for (int i = 0; i < list->count(); ++i)
            shown << list->item(i)->text();
        if (shown != names) {
            const QSignalBlocker quiet(list);
            list->clear();
            list->addItems(names);
            list->setCurrentRow(std::min(row, static_cast<int>(names.size()) - 1));
        }
        add->setEnabled(versions.CanAdd());
        remove->setEnabled(list->currentRow() >= 0);
    };
    fill(allList_, VersionState::AnyOf, allAdd_, allRemove_);
    fill(commonList_, VersionState::AllOf, commonAdd_, commonRemove_);
}

void OptionsDialog::AddVersion(bool allTags, std::size_t version) {
    VersionList(html_.versions, allTags ? VersionState::AnyOf : VersionState::AllOf).Add(version);
    FillVersionLists();
}

void OptionsDialog::RemoveSelected(bool allTags) {
    QListWidget* list = allTags ? allList_ : commonList_;
    if (list->currentRow() < 0)
        return;
    VersionList versions(html_.versions, allTags ? VersionState::AnyOf : VersionState::AllOf);
    const std::optional<std::size_t> next = versions.Remove(static_cast<std::size_t>(list->currentRow()));
    {
        const QSignalBlocker quiet(list);
        list->clear();
        for (const std::string& n : versions.Names())
            list->addItem(Q(n));
        list->setCurrentRow(next ? static_cast<int>(*next) : -1);
    }
    FillVersionLists();
}

void OptionsDialog::ShowAddMenu(bool allTags) {
    // The version popup of the versions that can join the list: those without "all tags"
    // for the first list, those in neither list for the second ("all tags" wins).
    const std::uint32_t mask = allTags ? VersionState::AnyOf : VersionState::AnyOf | VersionState::AllOf;
    constexpr int FirstId = 1;
    const HtmlVerPopup popup(html_.versions, mask, false, true, FirstId);
    MenuModel model;
    popup.BuildMenu(model);
    QMenu menu(this);
    RenderMenu(menu, model, nullptr, [this, allTags, &popup](int id) {
        if (const std::optional<std::size_t> version = popup.Execute(id))
            AddVersion(allTags, *version);
    });
    QPushButton* button = allTags ? allAdd_ : commonAdd_;
    menu.exec(button->mapToGlobal(QPoint(0, button->height())));
}

// ---- General ----

QWidget* OptionsDialog::MakeGeneralPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);

    auto* previewGroup = new QGroupBox(QStringLiteral("HTML Previewer"), page);
    auto* pg = new QGridLayout(previewGroup);
    previewer_ = new QComboBox(previewGroup);
    for (const CPreviewConfig& p : previewers_)
        previewer_->addItem(Q(p.Profile));
    previewer_->setCurrentIndex(static_cast<int>(
        PreviewerProfiles::ChoiceIndex(previewers_, app_.Previews().Profiles().SelectedName())));
    inFront_ = new QCheckBox(QStringLiteral("Velto I&n Front Of Browser"), previewGroup);
    inFront_->setChecked(app_.Previews().Profiles().KeepInFront());
    // Under Wayland a program cannot put its own window in front: the prompt says so.
    const QString inFrontPrompt = QString::fromStdString(
        KeepInFrontPrompt(!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))));
    inFront_->setToolTip(inFrontPrompt);
    inFront_->setStatusTip(inFrontPrompt);
    inFront_->setWhatsThis(inFrontPrompt);
    programPath_ = new QLineEdit(previewGroup);
    programPath_->setPlaceholderText(QStringLiteral("the desktop's default browser"));
    auto* pathLabel = new QLabel(QStringLiteral("&Application Path:"), previewGroup);
    pathLabel->setBuddy(programPath_);
    auto* browse = new QPushButton(QStringLiteral("&Browse..."), previewGroup);
    connect(browse, &QPushButton::clicked, this, &OptionsDialog::BrowseProgram);
    pg->addWidget(previewer_, 0, 0);
    pg->addWidget(inFront_, 0, 1, 1, 2);
    pg->addWidget(pathLabel, 1, 0);
    pg->addWidget(programPath_, 1, 1);
    pg->addWidget(browse, 1, 2);
    connect(previewer_, &QComboBox::currentIndexChanged, this, &OptionsDialog::ShowPreviewer);
    ShowPreviewer(previewer_->currentIndex());
    layout->addWidget(previewGroup);

    auto* row = new QHBoxLayout;
    auto* menus = new QGroupBox(QStringLiteral("Menus"), page);
    auto* ml = new QVBoxLayout(menus);
    ml->addWidget(new QLabel(QStringLiteral("Colour Menu Shows:"), menus));
    vgaColours_ = new QCheckBox(QStringLiteral("16 HTML &VGA Colours"), menus);
    userColours_ = new QCheckBox(QStringLiteral("&User Defined Colours"), menus);
    vgaColours_->setChecked(html_.vgaColoursOnMenu);
    userColours_->setChecked(html_.userColoursOnMenu);
    ml->addWidget(vgaColours_);
    ml->addWidget(userColours_);
    ml->addWidget(new QLabel(QStringLiteral("Terminology:"), menus));
    const char* termTexts[3] = {"HTML Tag&s", "HTML &Terms", "&Descriptive"};
    for (int i = 0; i < 3; ++i) {
        terms_[i] = new QRadioButton(QString::fromLatin1(termTexts[i]), menus);
        ml->addWidget(terms_[i]);
    }
    // Any other stored value reads as descriptive.
    terms_[html_.userNameType >= 0 && html_.userNameType <= 2 ? html_.userNameType : 2]->setChecked(true);
    row->addWidget(menus);

    auto* editing = new QGroupBox(QStringLiteral("Editing"), page);
    auto* el = new QVBoxLayout(editing);
    const auto box = [&](const char* text, bool on) {
        auto* b = new QCheckBox(QString::fromLatin1(text), editing);
        b->setChecked(on);
        el->addWidget(b);
        return b;
    };
    lowerCaseTags_ = box("Insert &Tags in Lower Case", editor_.insertHtmlLowerCase);
    lowerCasePaths_ = box("Insert &File URLs in Lower Case", editor_.insertInsertPathsLowerCase);
    colourNames_ = box("Insert &Colour Names", editor_.insertHtmlColourNames);
    imageSize_ = box("Auto &Size Image Tags", editor_.autoSetImageSize);
    relativePaths_ = box("Insert &Relative File Paths", editor_.insertRelativeFilePaths);
    autoClose_ = box("Auto &Close Tags", editor_.autoCloseTags);
    autoCloseOptional_ = box("Auto Close &Optional End Tags", editor_.autoCloseOptionalEndTags);
    autoCloseOptional_->setEnabled(autoClose_->isChecked());
    connect(autoClose_, &QCheckBox::toggled, autoCloseOptional_, &QWidget::setEnabled);
    completeAsYouType_ = box("Complete as &You Type", editor_.completeAsYouType);
    el->addStretch();
    row->addWidget(editing);
    layout->addLayout(row);

    auto* advancedRow = new QHBoxLayout;
    advanced_ = new QCheckBox(QStringLiteral("&Include Advanced or Obscure Attributes:"), page);
    greyed_ = new QCheckBox(QStringLiteral("&Greyed"), page);
    advanced_->setChecked(html_.advancedAttsOnPopup);
    greyed_->setChecked(html_.advancedAttsGreyed);
    greyed_->setEnabled(advanced_->isChecked());
    connect(advanced_, &QCheckBox::toggled, greyed_, &QWidget::setEnabled);
    advancedRow->addWidget(advanced_);
    advancedRow->addWidget(greyed_);
    advancedRow->addStretch();
    layout->addLayout(advancedRow);

    auto* templateRow = new QHBoxLayout;
    template_ = new QLineEdit(Q(app_.FolderMenus().Templates().DefaultTemplatePath()), page);
    auto* templateLabel = new QLabel(QStringLiteral("Template:"), page);
    templateLabel->setBuddy(template_);
    auto* chooseTemplate = new QPushButton(QStringLiteral("..."), page);
    chooseTemplate->setMaximumWidth(40);
    connect(chooseTemplate, &QPushButton::clicked, this, &OptionsDialog::ChooseTemplate);
    templateRow->addWidget(templateLabel);
    templateRow->addWidget(template_, 1);
    templateRow->addWidget(chooseTemplate);
    layout->addLayout(templateRow);
    layout->addLayout(MakeEncodingRows(page));
    layout->addStretch();
    return page;
}

QLayout* OptionsDialog::MakeEncodingRows(QWidget* page) {
    auto* grid = new QGridLayout;
    const auto combo = [&](int row, const char* text, const std::string& current, bool withUtf8) {
        auto* box = new QComboBox(page);
        for (const EncodingInfo& e : Encodings())
            if (withUtf8 || !e.IsUnicode())
                box->addItem(QString::fromLatin1(e.name.data(), static_cast<qsizetype>(e.name.size())));
        const EncodingInfo* now = FindEncoding(current);
        box->setCurrentIndex(now ? box->findText(QString::fromLatin1(now->name.data(), static_cast<qsizetype>(now->name.size()))) : 0);
        auto* label = new QLabel(QString::fromLatin1(text), page);
        label->setBuddy(box);
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1);
        return box;
    };
    newEncoding_ = combo(0, "Default &encoding for new documents:", editor_.defaultEncoding, true);
    // A page that is not UTF-8 is read in this one, so it cannot be a Unicode encoding.
    fallbackEncoding_ = combo(1, "Encoding for pages that &declare none:", editor_.fallbackEncoding, false);
    grid->setColumnStretch(2, 1);
    return grid;
}

void OptionsDialog::StorePreviewerPath() {
    if (previewerShown_ >= 0 && previewerShown_ < static_cast<int>(previewers_.size()))
        previewers_[static_cast<std::size_t>(previewerShown_)].Previewer = programPath_->text().trimmed().toStdString();
}

void OptionsDialog::ShowPreviewer(int index) {
    StorePreviewerPath();
    previewerShown_ = index;
    if (index >= 0 && index < static_cast<int>(previewers_.size()))
        programPath_->setText(Q(previewers_[static_cast<std::size_t>(index)].Previewer));
}

void OptionsDialog::BrowseProgram() {
    const QString chosen = QFileDialog::getOpenFileName(this, QStringLiteral("Browse"), programPath_->text(),
                                                        QStringLiteral("Programs (*);;All Files (*)"), nullptr,
                                                        QFileDialog::DontUseNativeDialog);
    if (!chosen.isEmpty())
        programPath_->setText(chosen);
}

void OptionsDialog::ChooseTemplate() {
    FolderMenuHost& menus = app_.FolderMenus();
    if (auto path = menus.Templates().ChooseFile(menus.Chooser(), CTemplates::ChooseDefault, TemplatesFilter,
                                                 TemplateExtension, template_->text().toStdString()))
        template_->setText(Q(*path));
}

void OptionsDialog::ApplyGeneralControls() {
    StorePreviewerPath();
    html_.vgaColoursOnMenu = vgaColours_->isChecked();
    html_.userColoursOnMenu = userColours_->isChecked();
    for (int i = 0; i < 3; ++i)
        if (terms_[i]->isChecked())
            html_.userNameType = i;
    html_.advancedAttsOnPopup = advanced_->isChecked();
    html_.advancedAttsGreyed = greyed_->isChecked();
    editor_.insertHtmlLowerCase = lowerCaseTags_->isChecked();
    editor_.insertInsertPathsLowerCase = lowerCasePaths_->isChecked();
    editor_.insertHtmlColourNames = colourNames_->isChecked();
    editor_.autoSetImageSize = imageSize_->isChecked();
    editor_.insertRelativeFilePaths = relativePaths_->isChecked();
    editor_.autoCloseTags = autoClose_->isChecked();
    editor_.autoCloseOptionalEndTags = autoCloseOptional_->isChecked();
    editor_.completeAsYouType = completeAsYouType_->isChecked();
    editor_.defaultEncoding = newEncoding_->currentText().toStdString();
    editor_.fallbackEncoding = fallbackEncoding_->currentText().toStdString();
}

// ---- Appearance ----

QWidget* OptionsDialog::MakeAppearancePage() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    items_ = new QListWidget(page);
    auto* itemLabel = new QLabel(QStringLiteral("&Item"), page);
    itemLabel->setBuddy(items_);
    colour_ = new ColourComboBox(page);
    auto* colourLabel = new QLabel(QStringLiteral("&Colour"), page);
    colourLabel->setBuddy(colour_);
    auto* font = new QPushButton(QStringLiteral("&Font"), page);
    enableColouring_ = new QCheckBox(QStringLiteral("&Enable Item Colouring:"), page);
    enableColouring_->setLayoutDirection(Qt::RightToLeft);
    enableColouring_->setChecked(app_.Appearance().enableNonTextStyles != 0);
    sample_ = new CQuorView(app_, page);
    sample_->setMarginWidth(0, 0);
    sample_->setMinimumSize(320, 220);
    sample_->ReplaceRange(0, 0, SampleText);
    sample_->setReadOnly(true);
    grid->addWidget(itemLabel, 0, 0);
    grid->addWidget(items_, 1, 0, 3, 1);
    grid->addWidget(colourLabel, 0, 1);
    grid->addWidget(colour_, 1, 1);
    grid->addWidget(font, 2, 1);
    grid->addWidget(enableColouring_, 4, 0, 1, 2, Qt::AlignLeft);
    grid->addWidget(sample_, 5, 0, 1, 2);
    grid->setRowStretch(5, 1);
    FillItems();
    connect(items_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            colour_->SetColour(app_.Appearance().Classes()[static_cast<std::size_t>(row)].textColour);
    });
    items_->setCurrentRow(0);
    connect(colour_, &ColourComboBox::ColourPicked, this, [this](ColourRef c) {
        const int row = items_->currentRow();
        if (row < 0)
            return;
        app_.Appearance().Classes()[static_cast<std::size_t>(row)].textColour = c;
        FillItems();
        ColourSample();
    });
    connect(font, &QPushButton::clicked, this, [this] {
        const int row = items_->currentRow();
        if (row >= 0 && ChooseFont(app_.Appearance().Classes()[static_cast<std::size_t>(row)], this)) {
            FillItems();
            ColourSample();
        }
    });
    connect(enableColouring_, &QCheckBox::toggled, this, &OptionsDialog::ColourSample);
    ColourSample();
    return page;
}

void OptionsDialog::FillItems() {
    const int row = items_->currentRow();
    const QSignalBlocker quiet(items_);
    items_->clear();
    for (const CAppearanceConfig& c : app_.Appearance().Classes()) {
        auto* item = new QListWidgetItem(Q(c.Name()), items_);
        item->setForeground(FromColourRef(c.textColour));
        QFont f = items_->font();
        f.setBold(c.effects & CharEffects::Bold);
        f.setItalic(c.effects & CharEffects::Italic);
        f.setUnderline(c.effects & CharEffects::Underline);
        f.setStrikeOut(c.effects & CharEffects::StrikeOut);
        item->setFont(f);
    }
    items_->setCurrentRow(row);
}

void OptionsDialog::ColourSample() {
    // The sample follows the check box at once; the setting itself changes only at OK.
    AppearanceSettings& appearance = app_.Appearance();
    const int stored = appearance.enableNonTextStyles;
    appearance.enableNonTextStyles = enableColouring_->isChecked() ? 1 : 0;
    sample_->RestartColouring();
    if (ColourSchedule* schedule = sample_->Colouring())
        for (unsigned long tick = 1; schedule->WantsIdle() && tick < 1000000; ++tick)
            schedule->IdleStep(tick);
    appearance.enableNonTextStyles = stored;
}

// ---- OK and Cancel ----

void OptionsDialog::accept() {
    ApplyGeneralControls();
    // The default template, then the HTML and editor settings, the knowledge base, the
    // previewers, the default reference and the appearance, in that order.
    app_.FolderMenus().Templates().SetDefaultTemplate(template_->text().trimmed().toStdString());
    html_.RecomputeMasks();
    app_.Html() = html_;
    app_.Html().Save(app_.GetProfile());
    app_.Editor() = editor_;
    app_.Editor().Save(app_.GetProfile());
    if (app_.HasKnowledgeBase())
        app_.KnowledgeBase().RebuildAllowed();
    PreviewerProfiles& profiles = app_.Previews().Profiles();
    profiles.Select(previewer_->currentIndex() >= 0 ? &previewers_[static_cast<std::size_t>(previewer_->currentIndex())]
                                                    : nullptr);
    profiles.SetKeepInFront(inFront_->isChecked());
    profiles.Apply(previewers_, app_.GetProfile());
    if (!reference_->currentText().isEmpty())
        app_.References().SetDefaultName(1, reference_->currentText().toStdString());
    app_.References().SaveSettings();
    app_.Appearance().enableNonTextStyles = enableColouring_->isChecked() ? 1 : 0;
    app_.Appearance().SaveAll(app_.GetProfile());
    app_.DocManager().RecolourAll();
    if (checking_)
        checking_->Apply();
    lastPage = tabs_->currentIndex();
    QDialog::accept();
}

void OptionsDialog::reject() {
    // The classes were edited in place: they are put back as they were at opening (which
    // is what the settings hold, also for classes never stored).
    app_.Appearance() = appearance_;
    QDialog::reject();
}

bool RunOptionsDialog(CQuorApp& app, QWidget* parent) {
    OptionsDialog dialog(app, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace velto
