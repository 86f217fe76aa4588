// The HTML reference window.
#include "ui/reference/ReferenceWindow.h"

#include "core/menu/CommandIds.h"
#include "core/platform/Profile.h"
#include "ui/app/CMainFrame.h"
#include "ui/app/CQuorApp.h"
#include "ui/app/CommandTable.h"
#include "ui/preview/PreviewHost.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMainWindow>
#include <QScreen>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>

namespace velto {

namespace {
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
      inner_(new QMainWindow(this)), browser_(new QTextBrowser(inner_)), sections_(new QComboBox),
      topics_(new QComboBox), related_(new QComboBox) {
    setObjectName(QStringLiteral("HtmlReferenceWindow"));
    inner_->setWindowFlags(Qt::Widget);
    browser_->setOpenLinks(false);
    inner_->setCentralWidget(browser_);
    setWidget(inner_);

    auto* topicsBar = inner_->addToolBar(QStringLiteral("Reference Topics"));
    sections_->setToolTip(QStringLiteral("Sections of the reference"));
    topics_->setToolTip(QStringLiteral("Topics of this page"));
    sections_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    topics_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    sections_->setMinimumContentsLength(6);
    topics_->setMinimumContentsLength(6);
    topicsBar->addWidget(sections_);
    topicsBar->addWidget(topics_);

    inner_->addToolBarBreak();
    auto* navigate = inner_->addToolBar(QStringLiteral("Navigate"));
    QAction* find = navigate->addAction(QStringLiteral("Find"), this, &ReferenceWindow::FindText);
    find->setStatusTip(QStringLiteral("Search the current window for text"));
    for (int id : {CommandId::ReferenceBack, CommandId::ReferenceForward, CommandId::ReferenceHome})
        if (QAction* a = frame_.Commands().Action(id))
            navigate->addAction(a);
    // Pages load at once here: there is never a load to stop.
    QAction* stop = navigate->addAction(QStringLiteral("Stop"));
    stop->setStatusTip(QStringLiteral("Stop opening the file"));
    stop->setEnabled(false);
    QAction* refresh = navigate->addAction(QStringLiteral("Refresh"), browser_, &QTextBrowser::reload);
    refresh->setStatusTip(QStringLiteral("Refresh the current page"));

    inner_->addToolBarBreak(Qt::BottomToolBarArea);
    auto* relatedBar = new QToolBar(QStringLiteral("Related Information"), inner_);
    relatedBar->addWidget(new QLabel(QStringLiteral(" Related: ")));
    related_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    related_->setMinimumContentsLength(12);
    relatedBar->addWidget(related_);
    inner_->addToolBar(Qt::BottomToolBarArea, relatedBar);

    connect(browser_, &QTextBrowser::anchorClicked, this, &ReferenceWindow::OnLinkClicked);
    connect(browser_, &QTextBrowser::sourceChanged, this, &ReferenceWindow::OnSourceChanged);
    connect(browser_, &QTextBrowser::backwardAvailable, this, &ReferenceWindow::StateChanged);
    connect(browser_, &QTextBrowser::forwardAvailable, this, &ReferenceWindow::StateChanged);
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
    connect(this, &QDockWidget::topLevelChanged, this, [this](bool floating) {
        // Made floating by a command (not dragged off): placed by the floating rule.
        if (floating && QGuiApplication::mouseButtons() == Qt::NoButton)
            setGeometry(ToQRect(KeepFreeOnDesktop(
                FreeRect(lastFree_, ToRect(frame_.frameGeometry()), ToRect(frame_.screen()->availableGeometry())),
                ToRect(frame_.screen()->availableGeometry()))));
        Q_EMIT StateChanged();
    });
    connect(this, &QDockWidget::dockLocationChanged, this, [this](Qt::DockWidgetArea area) {
        if (area != Qt::NoDockWidgetArea)
            area_ = area;
    });
}

CHtmlHelpRef* ReferenceWindow::Reference() const {
    return references_.ReferenceForClass(1, true);
}

void ReferenceWindow::OpenPage(const std::string& page, const std::string& anchor) {
    frame_.ShowPrompt(QStringLiteral("Opening HTML file %1 ...").arg(Q(page)));
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
                Navigate(url);
                // Back never returns to the loading page.
                browser_->clearHistory();
                Q_EMIT StateChanged();
            }
        });
        return;
    }
    shownOnce_ = true;
    Navigate(url);
}

void ReferenceWindow::Navigate(const QUrl& url) {
    browser_->setSource(url);
    frame_.ShowPrompt({});
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
    browser_->backward();
}

void ReferenceWindow::Forward() {
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
        lastFree_ = ToRect(geometry());
        setFloating(false);
        frame_.addDockWidget(area_, this);
    } else {
        setFloating(true);
    }
}

void ReferenceWindow::OnLinkClicked(const QUrl& link) {
    const QUrl url = browser_->source().resolved(link);
    if (url.isLocalFile() || url.scheme().isEmpty())
        Navigate(url);
    else // pages on the web go to the user's browser
        frame_.App().Previews().OpenUrl(url.toEncoded().toStdString());
}

const CHtmlHelpRefFile* ReferenceWindow::FileOfPage(const QString& page) const {
    CHtmlHelpRef* ref = Reference();
    if (!ref)
        return nullptr;
    const QString canonical = QFileInfo(page).canonicalFilePath();
    for (const auto& file : ref->Files())
        if (QFileInfo(Q(file->Page())).canonicalFilePath() == canonical)
            return file.get();
    return nullptr;
}

void ReferenceWindow::OnSourceChanged(const QUrl& url) {
    const CHtmlHelpRefFile* file = url.isLocalFile() ? FileOfPage(url.toLocalFile()) : nullptr;
    const CHtmlHelpRef* ref = file ? &file->Owner() : nullptr;
    setWindowTitle(ref ? Q(ref->Name()) + QStringLiteral(" - ") + Q(file->Section())
                       : QStringLiteral("Velto HTML Reference"));
    FillSections();
    if (file)
        sections_->setCurrentIndex(sections_->findText(Q(file->Section())));
    FillTopics(file, url.fragment().toStdString());
    Q_EMIT StateChanged();
}

void ReferenceWindow::FillSections() {
    sections_->clear();
    if (CHtmlHelpRef* ref = Reference())
        for (const auto& file : ref->Files())
            sections_->addItem(Q(file->Section().empty() ? QFileInfo(Q(file->Page())).baseName().toStdString()
                                                         : file->Section()),
                               QUrl::fromLocalFile(Q(file->Page())));
}

void ReferenceWindow::FillTopics(const CHtmlHelpRefFile* file, const std::string& anchor) {
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
    FillRelated(current);
}

void ReferenceWindow::FillRelated(const CHhrfEntry* entry) {
    related_->clear();
    CHtmlHelpRef* ref = Reference();
    if (!entry || !ref)
        return;
    for (std::string keyword : entry->keywords) {
        if (!HasLowerCase(keyword))
            continue;
        if (keyword.size() > 2 && keyword.front() == '<' && keyword.back() == '>')
            keyword = keyword.substr(1, keyword.size() - 2);
        const std::optional<CHtmlHelpRef::Answer> answer = ref->Lookup(keyword, -1);
        if (!answer || answer->entry == entry)
            continue;
        QUrl url = QUrl::fromLocalFile(Q(answer->file->Page()));
        url.setFragment(Q(answer->entry->anchor));
        if (related_->findData(url) >= 0)
            continue;
        const bool samePage = answer->file == entry->owner;
        related_->addItem(samePage ? Q(answer->entry->title)
                                   : Q(ref->Name() + ": " + answer->file->Section() + " - " + answer->entry->title),
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
    const Rect here = ToRect(geometry().translated(isFloating() ? QPoint() : frame_.mapToGlobal(QPoint())));
    settings.WriteInt(StateSection, "Shadowing", isFloating() ? 0 : 1);
    settings.WriteInt(StateSection, "ShadowMode", ModeOfArea(area_));
    settings.WriteString(StateSection, "LastShadowRect", FormatRect(isFloating() ? lastShadow_ : here));
    settings.WriteString(StateSection, "LastFreeRect", FormatRect(isFloating() ? here : lastFree_));
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
        setFloating(true); // placed on the desktop by the floating rule
}

} // namespace velto
