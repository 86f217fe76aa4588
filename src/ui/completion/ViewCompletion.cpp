// ViewCompletion: completion and hover help in an editor view.
#include "ui/completion/ViewCompletion.h"

#include "core/assist/InsertableUrl.h"
#include "core/colouring/ColourSchedule.h"
#include "core/completion/KnownStart.h"
#include "core/config/EditorConfig.h"
#include "ui/app/CQuorApp.h"
#include "ui/completion/CompletionPopup.h"
#include "ui/document/CQuorDoc.h"
#include "ui/document/CQuorView.h"
#include "ui/document/ScintillaTextControl.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QToolTip>

namespace velto {

namespace {
// How far back a typed blank looks for the '<' of a tag before it asks for the context.
constexpr int BlankLookBack = 1024;

QString Escaped(const std::string& line) {
    return QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())).toHtmlEscaped();
}
} // namespace

ViewCompletion::ViewCompletion(CQuorView& view, CQuorApp& app)
    : view_(view), app_(app), finder_(app.KnowledgeBase()),
      completer_(app.KnowledgeBase()), applier_(app.KnowledgeBase()), hover_(app.KnowledgeBase()),
      popup_(new CompletionPopup(&view)) {
    connect(popup_, &CompletionPopup::Chosen, this, &ViewCompletion::ChooseShown);
    view_.viewport()->installEventFilter(this);
    view_.installEventFilter(this);
    connect(&view_, &QsciScintillaBase::SCN_UPDATEUI, this, [this](int updated) {
        if (applying_ || !IsListShown())
            return;
        if (updated & (QsciScintillaBase::SC_UPDATE_V_SCROLL | QsciScintillaBase::SC_UPDATE_H_SCROLL))
            CloseList();
        // A click or a caret key moved the caret off the word being completed.
        else if ((updated & QsciScintillaBase::SC_UPDATE_SELECTION) &&
                 (view_.CaretPosition() < context_.from || view_.CaretPosition() > context_.to))
            Update(false);
    });
}

ViewCompletion::~ViewCompletion() = default;

bool ViewCompletion::IsListShown() const {
    return popup_->isVisible();
}

const std::vector<CompletionItem>& ViewCompletion::ShownItems() const {
    return popup_->Items();
}

int ViewCompletion::CurrentRow() const {
    return popup_->CurrentRow();
}

void ViewCompletion::CloseList() {
    popup_->hide();
}

bool ViewCompletion::KeyBeforeControl(QKeyEvent& key) {
    if (!IsListShown() || (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    switch (key.key()) {
    case Qt::Key_Up:
        popup_->MoveCurrent(-1);
        return true;
    case Qt::Key_Down:
        popup_->MoveCurrent(1);
        return true;
    case Qt::Key_PageUp:
        popup_->MoveCurrent(-popup_->PageStep());
        return true;
    case Qt::Key_PageDown:
        popup_->MoveCurrent(popup_->PageStep());
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
        ChooseShown(popup_->CurrentRow());
        return true;
    case Qt::Key_Escape:
        CloseList();
        return true;
    default:
        return false;
    }
}

void ViewCompletion::KeyAfterControl(const QKeyEvent& key) {
    if (view_.HasSelectedText()) {
        CloseList();
        return;
    }
    if (IsListShown()) {
        Update(false);
        return;
    }
    const QString text = key.text();
    if (text.isEmpty() || !app_.Editor().completeAsYouType)
        return;
    const QChar typed = text.back();
    const int caret = view_.CaretPosition();
    // Most keys type text where nothing opens: a look at the bytes before the caret
    // spares them the search for the context.
    if (typed.isLetterOrNumber()) {
        const QByteArray before = view_.TextRange(caret - 2, caret);
        if (before.size() < 2 || (before[0] != '<' && before[0] != '&'))
            return;
    } else if (typed == QLatin1Char(' ') || typed == QLatin1Char('\t')) {
        const QByteArray before = view_.TextRange(caret - BlankLookBack, caret);
        const qsizetype lt = before.lastIndexOf('<');
        if (before.lastIndexOf('>') > lt || (lt < 0 && before.size() < BlankLookBack))
            return;
    } else if (typed != QLatin1Char('=') && typed != QLatin1Char('"') && typed != QLatin1Char('\'')) {
        return;
    }
    view_.FlushChange();
    const CompletionContext context = finder_.Find(view_.Control(), caret, Known(caret));
    if (Opens(typed, context))
        Update(true);
}

bool ViewCompletion::Opens(QChar typed, const CompletionContext& context) {
    using Kind = CompletionContext::Kind;
    if (typed.isLetterOrNumber())
        return (context.kind == Kind::Element || context.kind == Kind::Reference) &&
               context.typed.size() == 1;
    if (typed == QLatin1Char('=') || typed == QLatin1Char('"') || typed == QLatin1Char('\''))
        return context.kind == Kind::Value && context.typed.empty();
    return context.kind == Kind::Attribute && context.typed.empty();
}

void ViewCompletion::Request() {
    Update(true);
}

KnownStart ViewCompletion::Known(int pos) const {
    const ColourSchedule* colouring = view_.Colouring();
    return colouring ? KnownStartBefore(colouring->Colourer(), pos) : KnownStart{};
}

CompletionSources ViewCompletion::Sources() const {
    CompletionSources sources;
    sources.customColours = &app_.CustomColours();
    // A document without a file has no files beside it.
    const CQuorDoc* doc = view_.GetDocument();
    if (doc && !doc->PathName().isEmpty())
        sources.documentFolder = DocumentFolder(doc->PathName().toStdString());
    return sources;
}

void ViewCompletion::Update(bool open) {
    if (!open && !IsListShown())
        return;
    view_.FlushChange();
    const int caret = view_.CaretPosition();
    context_ = finder_.Find(view_.Control(), caret, Known(caret));
    std::vector<CompletionItem> items = completer_.Items(context_, Sources());
    if (items.empty() || view_.HasSelectedText()) {
        CloseList();
        return;
    }
    // The list stands under the start of what it completes.
    const int anchor = context_.kind == CompletionContext::Kind::Value ? context_.valueFrom
                       : context_.kind == CompletionContext::Kind::Reference ? context_.from - 1
                                                                             : context_.from;
    const auto x = static_cast<int>(view_.SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL,
                                                        static_cast<long>(anchor)));
    const auto y = static_cast<int>(view_.SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0UL,
                                                        static_cast<long>(anchor)));
    const auto lineHeight = static_cast<int>(view_.SendScintilla(QsciScintillaBase::SCI_TEXTHEIGHT, 0UL));
    const QPoint below = view_.viewport()->mapTo(&view_, QPoint(x, y + lineHeight));
    popup_->ShowItems(std::move(items), below, lineHeight);
}

void ViewCompletion::ChooseShown(int row) {
    const std::vector<CompletionItem>& items = popup_->Items();
    if (row < 0 || row >= static_cast<int>(items.size()))
        return;
    const CompletionItem item = items[static_cast<std::size_t>(row)];
    const CompletionContext context = context_;
    CloseList();
    bool more = false;
    applying_ = true;
    view_.EditAsOneChange([&] { more = applier_.Apply(view_.Control(), context, item); });
    applying_ = false;
    view_.SendScintilla(QsciScintillaBase::SCI_SCROLLCARET);
    if (more)
        Update(true);
}

QString ViewCompletion::HoverTextAt(int pos) {
    const std::string tip = hover_.TextAt(view_.Control(), pos, Known(pos));
    if (tip.empty())
        return {};
    // The name line stands out; the key to the reference comes last, quieter.
    QString html = QStringLiteral("<qt>");
    std::size_t start = 0;
    for (int line = 0; start <= tip.size(); ++line) {
        std::size_t end = tip.find('\n', start);
        if (end == std::string::npos)
            end = tip.size();
        const QString text = Escaped(tip.substr(start, end - start));
        if (line == 0)
            html += QStringLiteral("<b>") + text + QStringLiteral("</b>");
        else if (end == tip.size())
            html += QStringLiteral("<br><i>") + text + QStringLiteral("</i>");
        else
            html += QStringLiteral("<br>") + text;
        start = end + 1;
    }
    return html + QStringLiteral("</qt>");
}

bool ViewCompletion::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &view_ && event->type() == QEvent::FocusOut) {
        CloseList();
        return false;
    }
    if (watched != view_.viewport() || event->type() != QEvent::ToolTip)
        return false;
    const auto* help = static_cast<QHelpEvent*>(event);
    const long pos = view_.SendScintilla(QsciScintillaBase::SCI_CHARPOSITIONFROMPOINTCLOSE,
                                         static_cast<unsigned long>(help->pos().x()),
                                         static_cast<long>(help->pos().y()));
    const QString tip = pos < 0 ? QString() : HoverTextAt(static_cast<int>(pos));
    if (tip.isEmpty()) {
        QToolTip::hideText();
        return false;
    }
    QToolTip::showText(help->globalPos(), tip, view_.viewport());
    return true;
}

} // namespace velto
