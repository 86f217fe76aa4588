// The four folder menus as Qt menus, the template settings and the template commands,
// with the editor's side of those commands: new documents, the active view, the browser.
#pragma once

#include "core/templates/CTemplates.h"
#include "core/templates/FolderMenuSet.h"
#include "core/templates/TemplateCommands.h"
#include "ui/platform/QtFileChooser.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>

class QMenu;
class QUrl;

namespace velto {

class CQuorApp;

class FolderMenuHost final : public QObject, private TemplateHost {
    Q_OBJECT
public:
    // The menus read their folders below folder (the user's data folder).
    FolderMenuHost(CQuorApp& app, const QString& folder);
    ~FolderMenuHost() override;

    [[nodiscard]] CTemplates& Templates() { return templates_; }
    [[nodiscard]] CTemplateCommands& Commands() { return commands_; }
    [[nodiscard]] QtFileChooser& Chooser() { return chooser_; }

    // Builds every menu (start-up, and a short pause after a change in their folders on
    // disk), or the templates and snippets menus again (after a save: a template saved
    // into the folder shows at once).
    void BuildAll();
    void RebuildTemplates();
    // The folders watched for changes: the data folder and every folder below the menus'.
    [[nodiscard]] QStringList WatchedFolders() const { return watcher_.directories(); }

    [[nodiscard]] QMenu* MenuOf(FolderMenuKind kind) const;
    // Carries out an entry of the four menus, asked in turn; false for any other id.
    bool OnCmdMsg(int id);
    [[nodiscard]] QString Prompt(int id) const;

    // Tests see the addresses that would open in the browser or the mail program.
    std::function<void(const QUrl&)> openUrlHook;

private:
    void Render(FolderMenuKind kind);
    void WatchFolders();
    void OnFolderChanged();

    // TemplateHost
    void NewDocument() override;
    bool InsertTemplate(const std::string& path, bool newDocument) override;
    void OpenDocument(const std::string& path) override;
    [[nodiscard]] std::optional<std::string> ActiveDocumentPath() const override;
    bool SaveActive(const std::string& path, bool selectionOnly) override;
    void ShowReference(const std::string& page) override;
    void OpenUrl(const std::string& url) override;
    void OpenMailAddress(const std::string& url) override;
    void TemplatesChanged() override { RebuildTemplates(); }

    CQuorApp& app_;
    QtFileChooser chooser_;
    CTemplates templates_;
    CTemplateCommands commands_;
    FolderMenuSet menus_;
    std::array<std::unique_ptr<QMenu>, 4> qmenus_;
    QString folder_;
    QFileSystemWatcher watcher_;
    QTimer rebuildTimer_; // gathers a burst of changes (a copied folder, a save) into one rebuild
};

} // namespace velto
