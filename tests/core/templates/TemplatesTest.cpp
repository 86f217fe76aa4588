// The templates' settings and file dialogs, the template and snippet commands with a
// scripted editor, the routing of the four folder menus, and the user's copy of the
// shipped folders.
#include "core/config/GeneralConfig.h"
#include "core/fakes/RecordingPrompter.h"
#include "core/fakes/ScriptedChooser.h"
#include "core/fakes/TestFiles.h"
#include "core/menu/CommandIds.h"
#include "core/platform/MemoryProfile.h"
#include "core/templates/CTemplates.h"
#include "core/templates/FolderMenuSet.h"
#include "core/templates/ShippedData.h"
#include "core/templates/TemplateCommands.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>

using namespace velto;
using namespace velto::test;
namespace fs = std::filesystem;

namespace {
// Records what the commands asked of the editor.
class RecordingHost final : public TemplateHost {
public:
    void NewDocument() override { calls.push_back("new"); }
    bool InsertTemplate(const std::string& path, bool newDocument) override {
        calls.push_back((newDocument ? "fill " : "insert ") + path);
        return true;
    }
    void OpenDocument(const std::string& path) override { calls.push_back("open " + path); }
    std::optional<std::string> ActiveDocumentPath() const override { return active; }
    bool SaveActive(const std::string& path, bool selectionOnly) override {
        calls.push_back((selectionOnly ? "save selection " : "save ") + path);
        return saves;
    }
    void ShowReference(const std::string& page) override { calls.push_back("reference " + page); }
    void OpenUrl(const std::string& url) override { calls.push_back("url " + url); }
    void OpenMailAddress(const std::string& url) override { calls.push_back("mail " + url); }
    void TemplatesChanged() override { calls.push_back("rebuild"); }

    std::vector<std::string> calls;
    std::optional<std::string> active = std::string();
    bool saves = true;
};
} // namespace

class TemplatesTest : public ::testing::Test {
protected:
    TempDir dir;
    MemoryProfile profile;
    ScriptedChooser chooser;
    RecordingPrompter prompter;
    RecordingHost host;
    std::string Folder() const { return (dir.Path() / "Templates").string(); }
};

TEST_F(TemplatesTest, DefaultsFollowTheTemplatesFolderAndChoicesMoveTheCurrentFolder) {
    CTemplates templates(profile, Folder());
    EXPECT_EQ(templates.CurrentFolder(), Folder());
    EXPECT_EQ(templates.DefaultTemplatePath(), Folder() + "/Default.htt");
    EXPECT_EQ(templates.SnippetsFolder(), Folder() + "/Snippets");

    // A typed name gets ".htt"; the dialog's folder becomes the current one, saved at once.
    const std::string elsewhere = (dir.Path() / "mine").string();
    chooser.answers.push_back(elsewhere + "/page");
    auto chosen = templates.ChooseFile(chooser, CTemplates::SaveAsTemplate, TemplatesFilter,
                                       TemplateExtension, "proposed");
    ASSERT_TRUE(chosen);
    EXPECT_EQ(*chosen, elsewhere + "/page.htt");
    const FileDialogRequest& asked = chooser.requests.back();
    EXPECT_EQ(asked.title, "Save Document As Template");
    EXPECT_TRUE(asked.save && asked.overwritePrompt && !asked.mustExist);
    EXPECT_EQ(asked.initialFolder, Folder());
    EXPECT_EQ(asked.fileName, "proposed");
    EXPECT_EQ(profile.GetString("Templates", "CurrentFolder", ""), elsewhere);
    EXPECT_EQ(profile.GetString("Templates", "DefaultTemplate", ""), Folder() + "/Default.htt");

    // The next start reads both back; an open dialog keeps an existing name as it is.
    CTemplates again(profile, Folder());
    EXPECT_EQ(again.CurrentFolder(), elsewhere);
    const fs::path bare = dir.Write("mine/README", "x");
    chooser.answers.push_back(bare.string());
    EXPECT_EQ(*again.ChooseFile(chooser, CTemplates::ChooseTemplate, TemplatesFilter, TemplateExtension, {}),
              bare.string());
    EXPECT_EQ(chooser.requests.back().title, "Choose Template");
    EXPECT_TRUE(chooser.requests.back().mustExist);

    // Cancelling changes nothing.
    EXPECT_FALSE(again.ChooseFile(chooser, CTemplates::ChooseDefault, TemplatesFilter, TemplateExtension, {}));
    EXPECT_EQ(chooser.requests.back().title, "Choose Default Template");
    EXPECT_EQ(again.CurrentFolder(), elsewhere);
}

TEST_F(TemplatesTest, NewFromTemplateFillsANewDocumentOrSaysWhatIsMissing) {
    CTemplates templates(profile, Folder());
    CTemplateCommands commands(templates, chooser, prompter, host);
    const std::string page = dir.Write("Templates/Page.htt", "<html>").string();
    chooser.answers.push_back(page);
    commands.NewFromTemplate();
    EXPECT_EQ(chooser.requests.back().title, "Choose Template for New Document");
    EXPECT_EQ(chooser.requests.back().fileName, "Default.htt");
    EXPECT_EQ(chooser.requests.back().filter, TemplatesFilter);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"new", "fill " + page}));

    host.calls.clear();
    commands.NewDocumentFromTemplate(Folder() + "/Gone.htt");
    EXPECT_EQ(host.calls, std::vector<std::string>{"new"});
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0], "Unable to find template:\n\n" + Folder() + "/Gone.htt");
}

TEST_F(TemplatesTest, SnippetsGoToTheActiveViewOnly) {
    CTemplates templates(profile, Folder());
    CTemplateCommands commands(templates, chooser, prompter, host);
    const std::string snippet = dir.Write("Templates/Snippets/Table.htt", "<table>").string();
    chooser.answers.push_back(snippet);
    commands.InsertSnippet();
    EXPECT_EQ(chooser.requests.back().title, "Insert HTML Snippet");
    EXPECT_EQ(chooser.requests.back().initialFolder, Folder() + "/Snippets");
    EXPECT_EQ(host.calls, std::vector<std::string>{"insert " + snippet});

    commands.InsertSnippetFile(Folder() + "/Snippets/Gone.htt");
    EXPECT_EQ(prompter.messages.back(), "Unable to find HTML snippet:\n\n" + Folder() + "/Snippets/Gone.htt");

    // Without a document there is nowhere to insert: no dialog, no message.
    host.active.reset();
    host.calls.clear();
    const std::size_t asked = chooser.requests.size();
    commands.InsertSnippet();
    commands.InsertSnippetFile(snippet);
    EXPECT_EQ(chooser.requests.size(), asked);
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(TemplatesTest, SavingAsTemplateOrSnippetProposesNamesAndRebuildsTheMenus) {
    CTemplates templates(profile, Folder());
    CTemplateCommands commands(templates, chooser, prompter, host);
    host.active = "/home/a/site/index.html";
    chooser.answers.push_back(Folder() + "/index");
    commands.SaveCopyAsTemplate();
    EXPECT_EQ(chooser.requests.back().fileName, "index");
    EXPECT_EQ(chooser.requests.back().initialFolder, Folder());
    EXPECT_EQ(host.calls, (std::vector<std::string>{"save " + Folder() + "/index.htt", "rebuild"}));

    host.calls.clear();
    host.active = "";
    chooser.answers.push_back(Folder() + "/Snippets/Row");
    commands.SaveSelectionAsSnippet();
    const FileDialogRequest& asked = chooser.requests.back();
    EXPECT_EQ(asked.title, "Save As Snippet");
    EXPECT_EQ(asked.fileName, "Untitled");
    EXPECT_EQ(asked.filter, SnippetsFilter);
    EXPECT_EQ(asked.initialFolder, Folder() + "/Snippets");
    EXPECT_EQ(host.calls, (std::vector<std::string>{"save selection " + Folder() + "/Snippets/Row.htt", "rebuild"}));

    // A failed save (reported by the editor) leaves the menus alone.
    host.calls.clear();
    host.saves = false;
    chooser.answers.push_back(Folder() + "/x.htt");
    commands.SaveCopyAsTemplate();
    EXPECT_EQ(host.calls, std::vector<std::string>{"save " + Folder() + "/x.htt"});
}

TEST_F(TemplatesTest, FolderMenuEntriesRouteToTheirCommands) {
    for (int i = 0; i < 3; ++i)
        dir.Write("Templates/t" + std::to_string(i) + ".htt", "");
    dir.Write("Templates/Snippets/s.htt", "<!--\nMENU: A small table\n-->\n<table>");
    dir.Write("HTML References/HTML 4.htm.mnu", "");
    dir.Write("HTML References/Ref.mnu", "MENU The reference\nHTML pages\\index.html\n");
    dir.Write("HTML References/pages/index.html", "<html>");
    dir.Write("HTML References/Broken.mnu", "MENU No page\nHTML missing.html\n");
    dir.Write("On The Web/W3C.mnu", "URL https://www.w3.org/\n");
    CGeneralConfig settings;
    settings.templateMenuMaxItems = 2;
    FolderMenuSet menus(settings, dir.Path().string());
    menus.BuildAll();
    CTemplates templates(profile, Folder());
    CTemplateCommands commands(templates, chooser, prompter, host);

    // Templates: two entries, the overflow entry standing for the folder, and the command
    // that browses anywhere (a full folder once lost it).
    const MenuModel shown = menus.Shown(FolderMenuKind::Templates);
    ASSERT_EQ(shown.Items().size(), 5u);
    EXPECT_EQ(shown.Items()[2].text, "&More Templates...");
    EXPECT_TRUE(shown.Items()[3].IsSeparator());
    EXPECT_EQ(shown.Items()[4].id, CommandId::FileNewFromTemplate);
    EXPECT_EQ(shown.Items()[4].text, "Other Template...");
    EXPECT_EQ(menus.PromptFor(2002), "Browse for the template you want to use");
    chooser.answers.push_back(Folder() + "/t2.htt");
    EXPECT_TRUE(menus.OnCmdMsg(2002, commands));
    EXPECT_EQ(chooser.requests.back().initialFolder, Folder());
    EXPECT_EQ(host.calls, (std::vector<std::string>{"new", "fill " + Folder() + "/t2.htt"}));
    host.calls.clear();
    EXPECT_TRUE(menus.OnCmdMsg(2000, commands));
    EXPECT_EQ(host.calls, (std::vector<std::string>{"new", "fill " + Folder() + "/t0.htt"}));
    // Cancelling the overflow dialog ends the command.
    host.calls.clear();
    EXPECT_TRUE(menus.OnCmdMsg(2002, commands));
    EXPECT_TRUE(host.calls.empty());

    // Snippets: the header's text is the prompt; without an overflow entry the menu ends
    // with the browsing command.
    EXPECT_EQ(menus.PromptFor(2200), "A small table");
    const MenuModel snippets = menus.Shown(FolderMenuKind::Snippets);
    ASSERT_EQ(snippets.Items().size(), 3u);
    EXPECT_TRUE(snippets.Items()[1].IsSeparator());
    EXPECT_EQ(snippets.Items()[2].id, CommandId::EditInsertSnippet);
    EXPECT_FALSE(menus.OnCmdMsg(CommandId::EditInsertSnippet, commands));

    // References and On The Web read their description files; a broken one does nothing.
    const CFileTreeMenu& refs = menus.Menu(FolderMenuKind::References);
    ASSERT_EQ(refs.Menu().Items().size(), 3u);
    EXPECT_EQ(menus.PromptFor(2400), "No page");
    EXPECT_EQ(menus.PromptFor(2401), "View HTML 4.htm HTML reference");
    EXPECT_EQ(menus.PromptFor(2402), "The reference");
    host.calls.clear();
    menus.OnCmdMsg(2400, commands);
    menus.OnCmdMsg(2401, commands);
    menus.OnCmdMsg(2402, commands);
    menus.OnCmdMsg(2500, commands);
    EXPECT_EQ(host.calls, (std::vector<std::string>{
                              "reference " + (dir.Path() / "HTML References").string() + "/pages/index.html",
                              "url https://www.w3.org/"}));
    EXPECT_EQ(menus.PromptFor(2500), "Visit W3C");
    EXPECT_FALSE(menus.PromptFor(2501));
    EXPECT_FALSE(menus.OnCmdMsg(2699, commands));
}

TEST_F(TemplatesTest, ShippedFoldersAreCopiedOnceWithoutTouchingTheUsersFiles) {
    TempDir shipped;
    shipped.Write("Templates/Default.htt", "shipped default");
    shipped.Write("Templates/Snippets/Lists/ul.htt", "<ul>");
    shipped.Write("On The Web/W3C.mnu", "URL https://www.w3.org/");
    shipped.Write("tips.txt", "not a user folder");
    const std::string user = (dir.Path() / "user").string();
    const fs::path mine = dir.Write("user/Templates/Default.htt", "my own default");

    const std::vector<std::string> folders = {"Templates", "HTML References", "On The Web"};
    ShippedCopyResult first = CopyShippedFolders(shipped.Path().string(), user, folders);
    EXPECT_TRUE(first.failures.empty());
    EXPECT_EQ(first.copied, 2);
    EXPECT_EQ(ReadFile(mine), "my own default");
    EXPECT_EQ(ReadFile(fs::path(user) / "Templates/Snippets/Lists/ul.htt"), "<ul>");
    EXPECT_FALSE(fs::exists(fs::path(user) / "tips.txt"));

    // A shipped file the user deleted stays deleted; one a later version adds arrives.
    fs::remove(fs::path(user) / "On The Web/W3C.mnu");
    shipped.Write("Templates/Frameset.htt", "<frameset>");
    ShippedCopyResult second = CopyShippedFolders(shipped.Path().string(), user, folders);
    EXPECT_EQ(second.copied, 1);
    EXPECT_FALSE(fs::exists(fs::path(user) / "On The Web/W3C.mnu"));
    EXPECT_EQ(ReadFile(fs::path(user) / "Templates/Frameset.htt"), "<frameset>");
    EXPECT_EQ(ReadFile(mine), "my own default");
    // A copy the user never changed follows a newer shipped file; a changed one stays.
    shipped.Write("On The Web/Mdn.mnu", "URL https://developer.mozilla.org/");
    CopyShippedFolders(shipped.Path().string(), user, folders);
    dir.Write("user/On The Web/Mdn.mnu", "URL https://my.own.mirror/");
    shipped.Write("Templates/Snippets/Lists/ul.htt", "<UL>\n<LI>\n</UL>");
    shipped.Write("On The Web/Mdn.mnu", "URL https://developer.mozilla.org/en-US/");
    ShippedCopyResult third = CopyShippedFolders(shipped.Path().string(), user, folders);
    EXPECT_EQ(third.copied, 1);
    EXPECT_EQ(ReadFile(fs::path(user) / "Templates/Snippets/Lists/ul.htt"), "<UL>\n<LI>\n</UL>");
    EXPECT_EQ(ReadFile(fs::path(user) / "On The Web/Mdn.mnu"), "URL https://my.own.mirror/");
    EXPECT_EQ(ReadFile(mine), "my own default");
    EXPECT_EQ(CopyShippedFolders(shipped.Path().string(), user, folders).copied, 0);
    for (const auto& entry : fs::recursive_directory_iterator(user))
        EXPECT_NE(entry.path().extension(), ".part") << entry.path();
}

TEST(WebEntryAddress, OnlyWebPagesAndMailAddressesAreOpened) {
    EXPECT_EQ(ClassifyWebEntryAddress("https://www.w3.org/"), WebEntryAddress::WebPage);
    EXPECT_EQ(ClassifyWebEntryAddress("HTTP://example.org"), WebEntryAddress::WebPage);
    EXPECT_EQ(ClassifyWebEntryAddress("mailto:webmaster@example.org"), WebEntryAddress::MailAddress);
    for (const char* refused : {"file:///usr/bin/xterm", "ftp://ftp.example.org/", "javascript:alert(1)",
                                "data:text/html,<p>", "steam://run/1", "/home/u/page.html", "www.w3.org",
                                "http:relative", "https://", "mailto:", "https://a b.org/", "https://x.org/\t",
                                "1http://x.org/", ":", ""})
        EXPECT_EQ(ClassifyWebEntryAddress(refused), WebEntryAddress::Refused) << refused;
}

TEST_F(TemplatesTest, OnTheWebSaysWhyAnAddressIsNotOpened) {
    dir.Write("On The Web/Mail Us.mnu", "URL mailto:webmaster@example.org\n");
    dir.Write("On The Web/Old Archive.mnu", "URL ftp://ftp.example.org/pub/\n");
    dir.Write("On The Web/W3C.mnu", "URL https://www.w3.org/\n");
    FolderMenuSet menus(CGeneralConfig(), dir.Path().string());
    menus.BuildAll();
    CTemplates templates(profile, Folder());
    CTemplateCommands commands(templates, chooser, prompter, host);
    for (int id = 2500; id < 2503; ++id)
        EXPECT_TRUE(menus.OnCmdMsg(id, commands));
    EXPECT_EQ(host.calls, (std::vector<std::string>{"mail mailto:webmaster@example.org", "url https://www.w3.org/"}));
    const std::string file = (dir.Path() / "On The Web/Old Archive.mnu").string();
    EXPECT_EQ(prompter.messages, std::vector<std::string>{
        "The On The Web entry \"Old Archive\" has an address Velto does not open:\n\nftp://ftp.example.org/pub/\n\n"
        "This menu opens web pages (http: and https:) in your browser and mail addresses (mailto:) in your mail "
        "program. To change the address, edit the URL line of:\n\n" + file});
}
