// The application object.
#include "ui/app/CQuorApp.h"

#include "ui/app/CMainFrame.h"
#include "ui/document/CQuorDocManager.h"
#include "ui/platform/DataPaths.h"
#include "ui/platform/QtFileFilters.h"
#include "ui/platform/QtProfile.h"
#include "ui/platform/QtPrompter.h"

#include <Qsci/qsciprinter.h>

#include <QFileDialog>

namespace velto {

CQuorApp::CQuorApp(std::unique_ptr<Profile> profile)
    : profile_(profile ? std::move(profile) : std::make_unique<QtProfile>()),
      ownPrompter_(std::make_unique<QtPrompter>()), prompter_(ownPrompter_.get()),
      docManager_(std::make_unique<CQuorDocManager>(*this)) {
    LoadConfiguration();
}

CQuorApp::~CQuorApp() {
    // Windows go before the objects they use.
    mainFrame_.reset();
}

void CQuorApp::SetPrompter(Prompter* prompter) {
    prompter_ = prompter ? prompter : ownPrompter_.get();
}

void CQuorApp::LoadConfiguration() {
    general_.Load(*profile_);
    html_.Load(*profile_);
    editor_.Load(*profile_);
    margins_.Load(*profile_);
}

bool CQuorApp::InitInstance(const QStringList& files) {
    mainFrame_ = std::make_unique<CMainFrame>(*this);
    static_cast<QtPrompter*>(ownPrompter_.get())->SetParent(mainFrame_.get());
    docManager_->SetMdiArea(mainFrame_->MdiArea());
    mainFrame_->show();
    for (const QString& file : files)
        docManager_->OpenDocumentFile(file);
    return true;
}

QsciPrinter& CQuorApp::Printer() {
    if (!printer_)
        printer_ = std::make_unique<QsciPrinter>();
    return *printer_;
}

QWidget* CQuorApp::MainWindow() const {
    return mainFrame_.get();
}

QString CQuorApp::DataFolder() const {
    return ProgramDataFolder();
}

QString CQuorApp::DefaultTemplatePath() const {
    return JoinPath(JoinPath(DataFolder(), QStringLiteral("Templates")), QStringLiteral("Default.htt"));
}

QString CQuorApp::ChooseInsertFile(QWidget* parent) {
    if (insertFileHook)
        return insertFileHook();
    static constexpr std::string_view filterText =
        "HTML Files (*.htm;*.html)|*.htm;*.html|Text Files(*.txt)|*.txt|"
        "HTML Templates (*.htt)|*.htt|All Files (*.*)|*.*||";
    return QFileDialog::getOpenFileName(
        parent, QStringLiteral("Insert File"), QString(),
        QtNameFilters(ParseFilterText(filterText)).join(QStringLiteral(";;")), nullptr,
        QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
}

} // namespace velto
