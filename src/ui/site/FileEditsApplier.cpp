// Makes the changes planned for many files, in open views or on disk.
#include "ui/site/FileEditsApplier.h"

#include "ui/document/CQuorDoc.h"
#include "ui/document/CQuorDocManager.h"
#include "ui/document/CQuorView.h"

#include <QCoreApplication>

namespace velto {

namespace {
QString Tr(const char* text) {
    return QCoreApplication::translate("FileEditsApplier", text);
}

// The text each change replaces must still stand where the plan found it: a page edited
// since the plan would otherwise have the wrong text replaced.
bool StillMatches(CQuorView& view, const FileEdits& file) {
    const qint64 length = view.TextLength();
    for (const TextEdit& edit : file.edits) {
        if (!edit.enabled)
            continue;
        if (edit.offset + edit.length > static_cast<std::size_t>(length))
            return false;
        const int from = static_cast<int>(edit.offset);
        const QByteArray there = view.TextRange(from, from + static_cast<int>(edit.length));
        if (std::string_view(there.constData(), static_cast<std::size_t>(there.size())) !=
            edit.original)
            return false;
    }
    return true;
}

// The changes in the view, first to last, as one undoable change.
void ApplyInView(CQuorView& view, const FileEdits& file) {
    view.FlushChange();
    long long shift = 0; // how far the changes made so far moved the text after them
    std::size_t doneTo = 0;
    for (const TextEdit& edit : file.edits) {
        if (!edit.enabled || edit.offset < doneTo)
            continue;
        const int from = static_cast<int>(static_cast<long long>(edit.offset) + shift);
        view.ReplaceRange(from, from + static_cast<int>(edit.length),
                          QByteArray(edit.replacement.data(),
                                     static_cast<qsizetype>(edit.replacement.size())));
        shift += static_cast<long long>(edit.replacement.size()) -
                 static_cast<long long>(edit.length);
        doneTo = edit.offset + edit.length;
    }
    view.FlushChange();
}

QString Counted(std::size_t n, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(n).arg(Tr(n == 1 ? one : many));
}
} // namespace

WriteSummary ApplyFileEdits(CQuorDocManager& docs, const std::vector<FileEdits>& files) {
    WriteSummary summary;
    for (const FileEdits& file : files) {
        const std::size_t count = file.EnabledCount();
        if (count == 0)
            continue;
        CQuorDoc* doc = docs.FindByPath(QString::fromStdString(file.path));
        if (doc && doc->View()) {
            if (!StillMatches(*doc->View(), file)) {
                summary.failures.push_back(
                    file.path + ": " +
                    Tr("changed in the editor since the changes were listed").toStdString());
                continue;
            }
            ApplyInView(*doc->View(), file);
        } else {
            std::string error;
            if (!WriteFileEdits(file, error)) {
                summary.failures.push_back(error);
                continue;
            }
        }
        ++summary.files;
        summary.edits += count;
    }
    return summary;
}

QString EditsSummaryText(const WriteSummary& summary, EditsKind kind) {
    const QString files = Counted(summary.files, "file", "files");
    QString text = kind == EditsKind::Matches
                       ? Tr("Replaced %1 in %2.")
                             .arg(Counted(summary.edits, "match", "matches"), files)
                       : Tr("Updated %1 in %2.").arg(Counted(summary.edits, "link", "links"), files);
    if (!summary.failures.empty()) {
        text += QLatin1Char('\n') + Tr("Not changed:");
        for (const std::string& failure : summary.failures)
            text += QStringLiteral("\n") + QString::fromStdString(failure);
    }
    return text;
}

} // namespace velto
