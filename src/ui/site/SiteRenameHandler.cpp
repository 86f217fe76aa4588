// A rename or move asked for in the Site dock, carried out.
#include "ui/site/SiteRenameHandler.h"

#include "core/platform/Prompter.h"
#include "core/site/PageLinks.h"
#include "ui/app/CQuorApp.h"
#include "ui/document/CQuorDoc.h"
#include "ui/document/CQuorDocManager.h"
#include "ui/document/CQuorView.h"

#include <algorithm>

namespace velto {

void SiteRenameHandler::Run(const QString& root, const QString& from, const QString& to) {
    RenamePlan plan = Plan(root, from, to);
    const Choice choice = Confirm(plan);
    if (choice == Choice::Cancel)
        return;
    if (Apply(std::move(plan), choice))
        Report();
}

RenamePlan SiteRenameHandler::Plan(const QString& root, const QString& from,
                                   const QString& to) const {
    const LinkAttributes attributes(app_.HasKnowledgeBase() ? &app_.KnowledgeBase() : nullptr);
    return PlanRename(root.toStdString(), from.toStdString(), to.toStdString(), attributes);
}

SiteRenameHandler::Choice SiteRenameHandler::Confirm(const RenamePlan& plan) const {
    std::size_t links = 0;
    for (const FileEdits& file : plan.edits)
        links += file.EnabledCount();
    if (links == 0)
        return Choice::UpdateLinks;
    const std::size_t pages = plan.edits.size();
    const std::string question =
        "Update " + std::to_string(links) + (links == 1 ? " link in " : " links in ") +
        std::to_string(pages) + (pages == 1 ? " page?" : " pages?") +
        "\n\nNo moves it and leaves the links as they are.";
    switch (app_.GetPrompter().AskYesNoCancel(question)) {
    case Prompter::Answer::Yes:
        return Choice::UpdateLinks;
    case Prompter::Answer::No:
        return Choice::MoveOnly;
    case Prompter::Answer::Cancel:
        break;
    }
    return Choice::Cancel;
}

bool SiteRenameHandler::Apply(RenamePlan plan, Choice choice) {
    failures_.clear();
    if (choice == Choice::MoveOnly)
        plan.edits.clear();
    // Found before the move: an open file is recognised by its path on disk.
    const std::vector<OpenPage> openPages = TakeOpenPages(plan);
    const std::vector<FollowingDoc> following = DocumentsToFollow(plan);
    WriteSummary summary;
    std::string error;
    if (!ApplyRename(plan, summary, error)) {
        app_.GetPrompter().Message("Could not move: " + error, Prompter::Kind::Error);
        return false;
    }
    failures_ = summary.failures;
    skipped_ = choice == Choice::UpdateLinks ? plan.skippedPages : std::vector<std::string>();
    for (const FollowingDoc& f : following)
        if (f.doc)
            f.doc->SetPathName(f.path);
    for (const OpenPage& page : openPages)
        EditView(page);
    return true;
}

std::vector<SiteRenameHandler::OpenPage> SiteRenameHandler::TakeOpenPages(RenamePlan& plan) const {
    std::vector<OpenPage> open;
    for (FileEdits& file : plan.edits) {
        CQuorDoc* doc = app_.DocManager().FindByPath(QString::fromStdString(file.path));
        if (!doc || !doc->View() || !file.enabled)
            continue;
        open.push_back({doc, file});
        // Not written behind the view: the view gets the same changes instead.
        file.enabled = false;
    }
    return open;
}

std::vector<SiteRenameHandler::FollowingDoc>
SiteRenameHandler::DocumentsToFollow(const RenamePlan& plan) const {
    std::vector<FollowingDoc> following;
    for (CQuorDoc* doc : app_.DocManager().Documents()) {
        if (doc->PathName().isEmpty())
            continue;
        const std::string path = doc->PathName().toStdString();
        const std::string moved = MovedPath(plan, path);
        if (moved != path)
            following.push_back({doc, QString::fromStdString(moved)});
    }
    return following;
}

void SiteRenameHandler::EditView(const OpenPage& page) {
    CQuorView* view = page.doc ? page.doc->View() : nullptr;
    if (!view)
        return;
    std::vector<const TextEdit*> edits;
    for (const TextEdit& edit : page.edits.edits)
        if (edit.enabled)
            edits.push_back(&edit);
    // The view's text may have been edited since it was saved: each link must still be
    // where the plan found it, or the page is left alone.
    const bool current = std::all_of(edits.begin(), edits.end(), [view](const TextEdit* e) {
        const int from = static_cast<int>(e->offset);
        const int to = static_cast<int>(e->offset + e->length);
        return to <= view->TextLength() && view->TextRange(from, to).toStdString() == e->original;
    });
    if (!current) {
        failures_.push_back(page.doc->PathName().toStdString() +
                            ": changed in the editor, its links were not updated");
        return;
    }
    // From the last to the first, so the offsets before each change still hold; between
    // the two flushes the changes make one undo step.
    view->FlushChange();
    for (auto it = edits.rbegin(); it != edits.rend(); ++it)
        view->ReplaceRange(static_cast<int>((*it)->offset),
                           static_cast<int>((*it)->offset + (*it)->length),
                           QByteArray::fromStdString((*it)->replacement));
    view->FlushChange();
}

void SiteRenameHandler::Report() const {
    if (failures_.empty() && skipped_.empty())
        return;
    std::string text;
    if (!failures_.empty()) {
        text = "These pages could not be updated:\n";
        for (const std::string& failure : failures_)
            text += "\n" + failure;
    }
    if (!skipped_.empty()) {
        text += text.empty() ? "" : "\n\n";
        text += "These pages read their links against a BASE element and were left as they are:\n";
        for (const std::string& page : skipped_)
            text += "\n" + page;
    }
    app_.GetPrompter().Message(text, Prompter::Kind::Warning);
}

} // namespace velto
