// The application object: owns the settings, the configuration sections, the document
// manager and the main window for the whole run.
#pragma once

#include "core/config/EditorConfig.h"
#include "core/config/GeneralConfig.h"
#include "core/config/HtmlConfig.h"
#include "core/config/PrintingSettings.h"
#include "core/platform/Profile.h"
#include "core/platform/Prompter.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QWidget;
class QsciPrinter;

namespace velto {

class CMainFrame;
class CQuorDocManager;

class CQuorApp : public QObject {
    Q_OBJECT
public:
    // Settings come from the given store (the user's settings file when none is given).
    explicit CQuorApp(std::unique_ptr<Profile> profile = nullptr);
    ~CQuorApp() override;

    // Start-up: loads the configuration, makes the main window and opens the files named.
    // Returns false when the program should end.
    bool InitInstance(const QStringList& files);

    [[nodiscard]] Profile& GetProfile() { return *profile_; }
    [[nodiscard]] Prompter& GetPrompter() { return *prompter_; }
    // Tests answer the message boxes: the app keeps using the given prompter.
    void SetPrompter(Prompter* prompter);

    [[nodiscard]] CGeneralConfig& General() { return general_; }
    [[nodiscard]] CHtmlConfig& Html() { return html_; }
    [[nodiscard]] CEditorConfig& Editor() { return editor_; }
    [[nodiscard]] PageMargins& Margins() { return margins_; }
    [[nodiscard]] QsciPrinter& Printer();

    [[nodiscard]] CQuorDocManager& DocManager() { return *docManager_; }
    [[nodiscard]] CMainFrame* MainFrame() const { return mainFrame_.get(); }
    [[nodiscard]] QWidget* MainWindow() const;

    // The shipped data folder and the template File New starts from.
    [[nodiscard]] QString DataFolder() const;
    [[nodiscard]] QString DefaultTemplatePath() const;

    // The Insert File dialog; tests answer it through insertFileHook.
    QString ChooseInsertFile(QWidget* parent);
    std::function<QString()> insertFileHook;

private:
    void LoadConfiguration();

    std::unique_ptr<Profile> profile_;
    std::unique_ptr<Prompter> ownPrompter_;
    Prompter* prompter_ = nullptr;
    CGeneralConfig general_;
    CHtmlConfig html_;
    CEditorConfig editor_;
    PageMargins margins_;
    std::unique_ptr<QsciPrinter> printer_;
    std::unique_ptr<CQuorDocManager> docManager_;
    std::unique_ptr<CMainFrame> mainFrame_;
};

} // namespace velto
