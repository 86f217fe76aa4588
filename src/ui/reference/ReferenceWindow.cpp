// The HTML reference window.
#include "ui/reference/ReferenceWindow.h"

#include "core/menu/CommandIds.h"
#include "core/platform/Profile.h"
#include "ui/app/CMainFrame.h"
#include "ui/app/CQuorApp.h"
#include "ui/app/CommandTable.h"
#include "ui/app/ToolbarIcons.h"
#include "ui/preview/PreviewHost.h"
#include "ui/reference/ReferenceBrowser.h"

#include <QComboBox>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QMainWindow>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>

namespace velto {

namespace {
// How long "Opening HTML file ..." stays after a page that came at once.
constexpr int OpeningMessageMs = 1500;

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

Rect ToRect(const QRect& r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

QRect ToQRect(const Rect& r) {
    return QRect(r.left, r.top, r.Width(), r.Height());
}

Qt::DockWidgetArea AreaOfMode(int mode) {
    switch (mode) {
    case ShadowLeft: return Qt::LeftDockWidgetArea;
    case ShadowAbove: return Qt::TopDockWidgetArea;
    case ShadowBelow: return Qt::BottomDockWidgetArea;
    default: return Qt::RightDockWidgetArea;
    }
}

int ModeOfArea(Qt::DockWidgetArea area) {
    switch (area) {
    case Qt::LeftDockWidgetArea: return ShadowLeft;
    case Qt::TopDockWidgetArea: return ShadowAbove;
    case Qt::BottomDockWidgetArea: return ShadowBelow;
    default: return ShadowRight;
    }
}

bool HasLowerCase(const std::string& s) {
    for (char c : s)
        if (c >= 'a' && c <= 'z')
            return true;
    return false;
}
} // namespace

ReferenceWindow::ReferenceWindow(CMainFrame& frame, CQuorHtmlHelpRefMgr& references)
    : QDockWidget(QStringLiteral("Velto HTML Reference"), &frame), frame_(frame), references_(references),
      inner_(new QMainWindow(this)), browser_(new ReferenceBrowser(inner_)), sections_(new QComboBox),
      topics_(new QComboBox), related_(new QComboBox), contextReference_(new QComboBox) {
    setObjectName(QStringLiteral("HtmlReferenceWindow"));
    inner_->setWindowFlags(Qt::Widget);
    browser_->setOpenLinks(false);
    inner_->setCentralWidget(browser_);
    setWidget(inner_);
    CreateBars();

    connect(browser_, &QTextBrowser::anchorClicked, this, &ReferenceWindow::OnLinkClicked);
    connect(browser_, &QTextBrowser::sourceChanged, this, &ReferenceWindow::OnSourceChanged);
    connect(browser_, &QTextBrowser::backwardAvailable, this, &ReferenceWindow::StateChanged);
    connect(browser_, &QTextBrowser::forwardAvailable, this, &ReferenceWindow::StateChanged);
    connect(browser_, &ReferenceBrowser::LoadStarted, this, &ReferenceWindow::OnLoadStarted);
    connect(browser_, &ReferenceBrowser::LoadFinished, this, &ReferenceWindow::OnLoadFinished);
    const auto openChoice = [this](QComboBox* box) {
        connect(box, &QComboBox::activated, this, [this, box](int i) {
            const QUrl url(box->itemData(i).toUrl());
            if (url.isValid())
                Navigate(url);
        });
    };
    openChoice(sections_);
    openChoice(topics_);
    openChoice(related_);
    connect(contextReference_, &QComboBox::activated, this, &ReferenceWindow::ChooseContextReference);
    // The options dialog may name another reference: the box follows after each command.
    connect(&frame_, &CMainFrame::CommandsUpdated, this, &ReferenceWindow::FillContextReferences);
    connect(this, &QDockWidget::topLevelChanged, this, &ReferenceWindow::StateChanged);
    connect(this, &QDockWidget::dockLocationChanged, this, [this](Qt::DockWidgetArea area) {
        if (area != Qt::NoDockWidgetArea)
            area_ = area;
    });
}

void ReferenceWindow::CreateBars() {
    auto* topicsBar = inner_->addToolBar(QStringLiteral("Reference Topics"));
    sections_->setToolTip(QStringLiteral("Sections of the reference"));
    topics_->setToolTip(QStringLiteral("Topics of this page"));
    for (QComboBox* box : {sections_, topics_}) {
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(6);
        topicsBar->addWidget(box);
    }

    inner_->addToolBarBreak();
    auto* navigate = inner_->addToolBar(QStringLiteral("Navigate"));
    // Icons keep the bar narrow enough for the window's default width.
    QAction* find = navigate->addAction(QStringLiteral("Find"), this, &ReferenceWindow::FindText);
    find->setIcon(CommandIcon(CommandId::LookupNamedTag, style()));
    find->setStatusTip(QStringLiteral("Search the current window for text"));
    for (int id : {CommandId::ReferenceBack, CommandId::ReferenceForward, CommandId::ReferenceHome})
        if (QAction* a = frame_.Commands().Action(id))
            navigate->addAction(a);
    stop_ = navigate->addAction(QStringLiteral("Stop"), this, &ReferenceWindow::Stop);
    stop_->setIcon(style()->standardIcon(QStyle::SP_BrowserStop));
    stop_->setStatusTip(QStringLiteral("Stop opening the file"));
    stop_->setEnabled(false);
    QAction* refresh = navigate->addAction(QStringLiteral("Refresh"), browser_, &ReferenceBrowser::Refresh);
    refresh->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    refresh->setStatusTip(QStringLiteral("Refresh the current page"));

    inner_->addToolBarBreak();
    auto* context = inner_->addToolBar(QStringLiteral("Context HTML Reference"));
    auto* label = new QLabel(QStringLiteral(" &Context: "));
    label->setBuddy(contextReference_);
    context->addWidget(label);
    contextReference_->setObjectName(QStringLiteral("contextReference"));
    contextReference_->setToolTip(QStringLiteral("Reference used for Context HTML Help"));
    contextReference_->setStatusTip(QStringLiteral("Reference used for Context HTML Help"));
    contextReference_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    contextReference_->setMinimumContentsLength(8);
    context->addWidget(contextReference_);
    FillContextReferences();

    inner_->addToolBarBreak(Qt::BottomToolBarArea);
    auto* relatedBar = new QToolBar(QStringLiteral("Related Information"), inner_);
    relatedBar->addWidget(new QLabel(QStringLiteral(" Related: ")));
    related_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    related_->setMinimumContentsLength(12);
    relatedBar->addWidget(related_);
    inner_->addToolBar(Qt::BottomToolBarArea, relatedBar);
}

QTextBrowser* ReferenceWindow::Browser() const {
    return browser_;
}

void ReferenceWindow::FillContextReferences() {
    const CHtmlHelpRef* current = references_.ReferenceForClass(1, false);
    const QString name = current ? Q(current->Name()) : QString();
    if (contextReference_->count() != static_cast<int>(references_.References().size())) {
        contextReference_->clear();
        for (const auto& ref : references_.References())
            contextReference_->addItem(Q(ref->Name()));
    }
    contextReference_->setEnabled(contextReference_->count() > 0);
    if (contextReference_->currentText() != name)
        contextReference_->setCurrentIndex(contextReference_->findText(name));
}

void ReferenceWindow::ChooseContextReference(int index) {
    if (index < 0)
        return;
    // Kept at once, as the options dialog would keep it.
    references_.SetDefaultName(1, contextReference_->itemText(index).toStdString());
    references_.SaveDefaultName(1);
    Q_EMIT StateChanged();
}

void ReferenceWindow::OpenPage(const std::string& page, const std::string& anchor) {
    ShowOpening(Q(page));
    QUrl url = QUrl::fromLocalFile(Q(page));
    if (!anchor.empty())
        url.setFragment(Q(anchor));
    show();
    raise();
    const QString loading = Q(references_.LoadingPagePath());
    if (!shownOnce_ && QFileInfo(loading).isFile()) {
        // The window shows its loading page first and the topic once it is up.
        shownOnce_ = true;
        references_.pendingRequest = {true, page, anchor};
        browser_->setSource(QUrl::fromLocalFile(loading));
        QTimer::singleShot(0, this, [this, url] {
            if (references_.pendingRequest.pending) {
                references_.pendingRequest.pending = false;
                forgetLoadingPage_ = true;
                Navigate(url);
            }
        });
        return;
    }
    shownOnce_ = true;
    // A page asked for while the loading page is still up replaces the one waiting.
    references_.pendingRequest.pending = false;
    Navigate(url);
}

void ReferenceWindow::Navigate(const QUrl& url) {
    browser_->Load(url);
    if (!browser_->IsLoading())
        EndOpening();
}

void ReferenceWindow::Stop() {
    browser_->Stop();
}

bool ReferenceWindow::IsLoading() const {
    return browser_->IsLoading();
}

void ReferenceWindow::OnLoadStarted(const QUrl& url) {
    if (opening_.isEmpty())
        ShowOpening(url.toLocalFile());
    stop_->setEnabled(true);
    Q_EMIT StateChanged();
}

void ReferenceWindow::OnLoadFinished(const QUrl&, bool shown, const QString& error) {
    stop_->setEnabled(false);
    if (forgetLoadingPage_ && shown)
        browser_->clearHistory();
    forgetLoadingPage_ = false;
    if (!error.isEmpty()) {
        opening_.clear();
        frame_.ShowPrompt(QStringLiteral("Unable to open the HTML file: %1").arg(error));
    } else if (!shown) {
        opening_.clear();
        frame_.ShowPrompt({});
    } else {
        EndOpening();
    }
    Q_EMIT StateChanged();
}

void ReferenceWindow::ShowOpening(const QString& page) {
    opening_ = QStringLiteral("Opening HTML file %1 ...").arg(page);
    frame_.ShowPrompt(opening_);
}

void ReferenceWindow::EndOpening() {
    if (opening_.isEmpty())
        return;
    // The page may have come at once: the message stays long enough to be read, unless
    // another one has taken its place meanwhile.
    const QString shown = opening_;
    opening_.clear();
    frame_.ShowPrompt(shown);
    QTimer::singleShot(OpeningMessageMs, this, [this, shown] {
        if (frame_.statusBar()->currentMessage() == shown)
            frame_.ShowPrompt({});
    });
}

QUrl ReferenceWindow::Source() const {
    return browser_->source();
}

bool ReferenceWindow::Home() {
    const std::optional<CQuorHtmlHelpRefMgr::Topic> intro = references_.Introduction(1);
    if (!intro)
        return false;
    OpenPage(intro->page, intro->anchor);
    return true;
}

void ReferenceWindow::Back() {
    browser_->Stop();
    browser_->backward();
}

void ReferenceWindow::Forward() {
    browser_->Stop();
    browser_->forward();
}

bool ReferenceWindow::CanGoBack() const {
    return browser_->isBackwardAvailable();
}

bool ReferenceWindow::CanGoForward() const {
    return browser_->isForwardAvailable();
}

void ReferenceWindow::ToggleDocked() {
    if (isFloating()) {
        setFloating(false);
        frame_.addDockWidget(area_, this);
    } else {
        Float();
    }
}

void ReferenceWindow::Float() {
    // Where it floated last (or the desktop's corner), decided before the window moves:
    // floating moves it, and its move would be taken for the place to keep.
    const Rect desktop = ToRect(frame_.screen()->availableGeometry());
    const QRect place =
        ToQRect(KeepFreeOnDesktop(FreeRect(lastFree_, ToRect(frame_.frameGeometry()), desktop), desktop));
    placing_ = true;
    setFloating(true);
    setGeometry(place);
    placing_ = false;
    RememberPlace();
}

void ReferenceWindow::moveEvent(QMoveEvent* e) {
    QDockWidget::moveEvent(e);
    RememberPlace();
}

void ReferenceWindow::resizeEvent(QResizeEvent* e) {
    QDockWidget::resizeEvent(e);
    RememberPlace();
}

void ReferenceWindow::RememberPlace() {
    // Docked or floated by the user's dragging as much as by the commands: the next start
    // puts the window back where it was.
    if (placing_ || !isVisible())
        return;
    if (isFloating())
        lastFree_ = ToRect(geometry());
    else
        lastShadow_ = ToRect(QRect(mapToGlobal(QPoint(0, 0)), size()));
}

void ReferenceWindow::OnLinkClicked(const QUrl& link) {
    const QUrl url = browser_->source().resolved(link);
    if (url.isLocalFile() || url.scheme().isEmpty())
        Navigate(url);
    else // pages on the web go to the user's browser
        frame_.App().Previews().OpenUrl(url.toEncoded().toStdString());
}

void ReferenceWindow::OnSourceChanged(const QUrl& url) {
    // A page of any reference set names its set and section, not only the context one's.
    CHtmlHelpRef* ref = nullptr;
    const CHtmlHelpRefFile* file = nullptr;
    if (url.isLocalFile()) {
        if (const auto place = references_.FindPage(url.toLocalFile().toStdString())) {
            ref = place->reference;
            file = place->file;
        }
    }
    // Another page (the application help, a page a link led to) is named by its title.
    const QString title = browser_->documentTitle();
    setWindowTitle(file              ? Q(ref->Name()) + QStringLiteral(" - ") + Q(file->Section())
                   : title.isEmpty() ? QStringLiteral("Velto HTML Reference")
                                     : title);
    FillSections(ref ? ref : references_.ReferenceForClass(1, false));
    if (file)
        sections_->setCurrentIndex(sections_->findData(QUrl::fromLocalFile(Q(file->Page()))));
    FillTopics(ref, file, url.fragment().toStdString());
    Q_EMIT StateChanged();
}

void ReferenceWindow::FillSections(const CHtmlHelpRef* ref) {
    sections_->clear();
    if (!ref)
        return;
    for (const auto& file : ref->Files())
        sections_->addItem(Q(file->Section().empty() ? QFileInfo(Q(file->Page())).baseName().toStdString()
                                                     : file->Section()),
                           QUrl::fromLocalFile(Q(file->Page())));
}

void ReferenceWindow::FillTopics(CHtmlHelpRef* ref, const CHtmlHelpRefFile* file, const std::string& anchor) {
    topics_->clear();
    const CHhrfEntry* current = nullptr;
    if (file) {
        for (const auto& entry : file->Entries()) {
            QUrl url = QUrl::fromLocalFile(Q(file->Page()));
            url.setFragment(Q(entry->anchor));
            topics_->addItem(Q(entry->title), url);
            if (!current && entry->anchor == anchor) {
                current = entry.get();
                topics_->setCurrentIndex(topics_->count() - 1);
            }
        }
    }
    FillRelated(ref, current);
}

void ReferenceWindow::FillRelated(CHtmlHelpRef* set, const CHhrfEntry* entry) {
    related_->clear();
    if (!entry || !set)
        return;
    // Related topics come from the entry's own reference set.
    CHtmlHelpRef& ref = *set;
    for (std::string keyword : entry->keywords) {
        if (!HasLowerCase(keyword))
            continue;
        if (keyword.size() > 2 && keyword.front() == '<' && keyword.back() == '>')
            keyword = keyword.substr(1, keyword.size() - 2);
        const std::optional<CHtmlHelpRef::Answer> answer = ref.Lookup(keyword, -1);
        if (!answer || answer->entry == entry)
            continue;
        QUrl url = QUrl::fromLocalFile(Q(answer->file->Page()));
        url.setFragment(Q(answer->entry->anchor));
        if (related_->findData(url) >= 0)
            continue;
        const bool samePage = answer->file == entry->owner;
        related_->addItem(samePage ? Q(answer->entry->title)
                                   : Q(ref.Name() + ": " + answer->file->Section() + " - " + answer->entry->title),
                          url);
    }
}

void ReferenceWindow::FindText() {
    bool ok = false;
    const QString text = QInputDialog::getText(this, QStringLiteral("Find Text"), QStringLiteral("Find what:"),
                                               QLineEdit::Normal, QString(), &ok);
    if (ok && !text.isEmpty() && !browser_->find(text)) {
        browser_->moveCursor(QTextCursor::Start);
        browser_->find(text);
    }
}

void ReferenceWindow::SaveState(Profile& settings) const {
    const Rect here = ToRect(QRect(isFloating() ? geometry().topLeft() : mapToGlobal(QPoint(0, 0)), size()));
    settings.WriteInt(StateSection, "Shadowing", isFloating() ? 0 : 1);
    settings.WriteInt(StateSection, "ShadowMode", ModeOfArea(area_));
    settings.WriteString(StateSection, "LastShadowRect", FormatRect(isFloating() || !isVisible() ? lastShadow_ : here));
    settings.WriteString(StateSection, "LastFreeRect", FormatRect(isFloating() && isVisible() ? here : lastFree_));
}

void ReferenceWindow::LoadState(const Profile& settings) {
    const int mode = settings.GetInt(StateSection, "ShadowMode", ShadowRight);
    area_ = AreaOfMode(mode);
    lastShadow_ = ParseRect(settings.GetString(StateSection, "LastShadowRect", "")).value_or(DefaultShadowRect);
    lastFree_ = ParseRect(settings.GetString(StateSection, "LastFreeRect", "")).value_or(Rect{});
    frame_.addDockWidget(area_, this);
    const bool horizontal = area_ == Qt::LeftDockWidgetArea || area_ == Qt::RightDockWidgetArea;
    const int size = horizontal ? lastShadow_.Width() : lastShadow_.Height();
    frame_.resizeDocks({this}, {size > 0 ? size : 200}, horizontal ? Qt::Horizontal : Qt::Vertical);
    if (settings.GetInt(StateSection, "Shadowing", 1) == 0)
        Float(); // placed on the desktop by the floating rule
}

} // namespace velto
