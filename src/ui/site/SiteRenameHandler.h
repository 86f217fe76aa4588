// A rename or move asked for in the Site dock, carried out: the link changes planned, the
// user asked whether to make them, the file moved and the pages written, documents open
// on what moved following it, and open pages changed in their views instead of on disk.
#pragma once

#include "core/site/RenamePlan.h"

#include <QPointer>
#include <QString>

#include <string>
#include <vector>

namespace velto {

class CQuorApp;
class CQuorDoc;

class SiteRenameHandler {
public:
    enum class Choice { UpdateLinks, MoveOnly, Cancel };

    explicit SiteRenameHandler(CQuorApp& app) : app_(app) {}

    // The whole rename of from to to (absolute paths) in the site folder root.
    void Run(const QString& root, const QString& from, const QString& to);

    [[nodiscard]] RenamePlan Plan(const QString& root, const QString& from, const QString& to) const;
    // "Update N links in M pages?"; no question when no link needs a change.
    [[nodiscard]] Choice Confirm(const RenamePlan& plan) const;
    // Moves and writes; false when the move failed (the user was told, nothing changed).
    // Pages open in the editor are left out of the disk writes and changed in their views.
    bool Apply(RenamePlan plan, Choice choice);
    // What could not be written, for the user; empty when everything was.
    [[nodiscard]] const std::vector<std::string>& Failures() const { return failures_; }

private:
    struct OpenPage {
        QPointer<CQuorDoc> doc;
        FileEdits edits;
    };
    struct FollowingDoc {
        QPointer<CQuorDoc> doc;
        QString path;
    };
    // Takes the pages open in the editor out of the plan's disk writes.
    std::vector<OpenPage> TakeOpenPages(RenamePlan& plan) const;
    // The documents open on what moves, with where they go.
    std::vector<FollowingDoc> DocumentsToFollow(const RenamePlan& plan) const;
    // The link changes in an open page's view as one undoable change.
    void EditView(const OpenPage& page);
    void Report() const;

    CQuorApp& app_;
    std::vector<std::string> failures_;
    std::vector<std::string> skipped_; // pages read against a BASE element
};

} // namespace velto
