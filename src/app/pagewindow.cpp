#include "pagewindow.h"

#include "composer/composer.h"
#include "composer/randomsource.h"
#include "pagefonts.h"
#include "pagelabel.h"
#include "picturebox.h"
#include "programinfo.h"
#include "runtimeservices.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>

namespace velmo {

namespace {

const QColor PageBackground(0xE0, 0xE0, 0xE0);

} // namespace

PageWindow::PageWindow(RuntimeServices& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
    , m_services(services)
    , m_printCommands(services, *this)
    , m_menu(this)
{
    setObjectName(QStringLiteral("frmVelmoNewsPaper"));
    setWindowTitle(QString::fromLatin1(ApplicationName));
    setAccessibleDescription(QString::fromUtf16(ApplicationDescription));
    setFixedSize(ClientSize);

    QPalette page = palette();
    page.setColor(QPalette::Window, PageBackground);
    setPalette(page);
    setAutoFillBackground(true);
    // The window's default font, used by every element without a font of
    // its own.
    setFont(pageFont(fontfamily::ProportionalGothic, 12));

    createElements();
    createMenu();
}

PageWindow::~PageWindow() = default;

void PageWindow::createElements()
{
    auto label = [this](const char16_t* name, QRect geometry, const QString& caption, const QFont* font) {
        auto* element = new PageLabel(this);
        element->setObjectName(QString::fromUtf16(name));
        element->setGeometry(geometry);
        if (font != nullptr) {
            element->setFont(*font);
        }
        element->setCaption(caption);
        return element;
    };
    auto box = [this](const char16_t* name, QRect geometry) {
        auto* element = new PictureBox(this);
        element->setObjectName(QString::fromUtf16(name));
        element->setGeometry(geometry);
        return element;
    };

    const QFont headlineFont = pageFont(fontfamily::HeadlineBrush, 64);
    const QFont articleFont = pageFont(fontfamily::ArticleHeavyMincho, 15);
    const QFont captionFont = pageFont(fontfamily::ProportionalGothic, 19);
    const QFont smallHeadlineFont = pageFont(fontfamily::EdoBrush, 16, FontWeight::Bold);
    const QFont topicFont = pageFont(fontfamily::Mincho, 12);

    // Created from the top of the page down; along the one-pixel overlaps the
    // later element is drawn on top.
    m_見出し大 = label(u"見出し大", {0, 8, 305, 65}, QStringLiteral("見出し大"), &headlineFont);
    m_写真 = box(u"写真", {8, 80, 97, 105});
    m_記事1 = label(u"記事1", {112, 80, 209, 145}, QString(), &articleFont);
    m_説明 = label(u"説明", {0, 184, 113, 41}, QStringLiteral("↑話題の人(ﾌﾟﾗｲﾊﾞｼー有)"), &captionFont);
    m_見出し小 = label(u"見出し小", {16, 232, 17, 81}, QStringLiteral("世論を見て"), &smallHeadlineFont);
    m_記事2 = label(u"記事2", {40, 232, 281, 89}, QString(), &topicFont);
    m_広告[0] = box(u"広告", {8, 320, 97, 113});
    m_広告[1] = box(u"広告", {104, 320, 97, 113});
    m_広告[2] = box(u"広告", {200, 320, 97, 113});
    m_広告欄Tel = label(u"広告欄Tel", {304, 320, 17, 121}, QStringLiteral("広告欄℡０ １ ２ ３ ４ ５"), nullptr);

    // Only the picture boxes take the focus, so the creation order above is
    // also the tab order: 写真, 広告(0), 広告(1), 広告(2).
    routeClick(m_見出し大, [this] { 見出し大_Click(); });
    routeClick(m_写真, [this] { 写真_Click(); });
    routeClick(m_記事1, [this] { 記事1_Click(); });
    routeClick(m_説明, [this] { 説明_Click(); });
    routeClick(m_見出し小, [this] { 見出し小_Click(); });
    routeClick(m_記事2, [this] { 記事2_Click(); });
    for (std::size_t i = 0; i < m_広告.size(); ++i) {
        const auto index = static_cast<std::int16_t>(i);
        m_広告[i]->setProperty("Index", index);
        routeClick(m_広告[i], [this, index] { 広告_Click(index); });
    }
    routeClick(m_広告欄Tel, [this] { 広告欄Tel_Click(); });
}

void PageWindow::createMenu()
{
    m_menu.setObjectName(QStringLiteral("Menu"));
    m_menu.setTitle(QStringLiteral("Menu"));

    auto item = [this](const char* name, const QString& caption, QKeyCombination key, const Handler& handler) {
        QAction* action = m_menu.addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(QKeySequence(key));
        action->setShortcutVisibleInContextMenu(true);
        // The shortcuts also work while the pop-up is closed.
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        connect(action, &QAction::triggered, this, [this, handler] { runHandler(handler); });
    };

    item("PrintOption", QStringLiteral("印刷設定(&O)"), Qt::CTRL | Qt::Key_O, [this] { PrintOption_Click(); });
    item("Print", QStringLiteral("印刷(&P)"), Qt::CTRL | Qt::Key_P, [this] { Print_Click(); });
    QAction* separator = m_menu.addSeparator();
    separator->setObjectName(QStringLiteral("K1"));
    item("Qeit", QStringLiteral("終了(&Q)"), Qt::CTRL | Qt::Key_Q, [this] { Qeit_Click(); });
}

template <typename Element>
void PageWindow::routeClick(Element* element, const Handler& handler)
{
    connect(element, &Element::clicked, this, [this, handler] { runHandler(handler); });
}

void PageWindow::runHandler(const Handler& handler)
{
    try {
        handler();
    } catch (const std::exception& error) {
        m_services.reportUnhandledError(QString::fromUtf8(error.what()));
        close();
        QCoreApplication::exit(1);
    }
}

void PageWindow::Form_Load(RandomSource& source)
{
    source.seedFromClock();
    const ComposedPage page = composePage(source);
    m_drawRecord = page.record;

    m_見出し大->setCaption(page.content.headline);
    m_記事1->setCaption(page.content.article);
    m_記事2->setCaption(page.content.topicColumn);
    loadPagePictures(page.content);
}

void PageWindow::loadPagePictures(const PageContent& page)
{
    const QString folder = m_services.executableFolder();
    for (const PagePicture& picture : pagePictures(page, folder)) {
        pictureBox(picture.box).setPicture(m_services.loadPicture(hostFileName(picture.fileName)), picture.name);
    }
}

PictureBox& PageWindow::pictureBox(PictureBoxId box) const
{
    switch (box) {
    case PictureBoxId::Portrait:
        return *m_写真;
    case PictureBoxId::Ad0:
        return *m_広告[0];
    case PictureBoxId::Ad1:
        return *m_広告[1];
    case PictureBoxId::Ad2:
        return *m_広告[2];
    }
    Q_UNREACHABLE();
}

void PageWindow::showPageMenu()
{
    m_services.popupMenu(m_menu);
}

void PageWindow::見出し大_Click()
{
    m_hiddenMessage.countHeadlineClick();
    showPageMenu();
}

void PageWindow::写真_Click()
{
    showPageMenu();
}

void PageWindow::記事1_Click()
{
    showPageMenu();
}

void PageWindow::説明_Click()
{
    showPageMenu();
}

void PageWindow::見出し小_Click()
{
    if (m_hiddenMessage.isDue()) {
        m_hiddenMessage.showGreeting(m_services);
    } else {
        showPageMenu();
    }
}

void PageWindow::記事2_Click()
{
    showPageMenu();
}

void PageWindow::広告_Click(std::int16_t Index)
{
    // All three advertisements behave alike; the index is not needed.
    Q_UNUSED(Index);
    showPageMenu();
}

void PageWindow::広告欄Tel_Click()
{
    showPageMenu();
}

void PageWindow::PrintOption_Click()
{
    m_printCommands.PrintOption_Click();
}

void PageWindow::Print_Click()
{
    m_printCommands.Print_Click();
}

void PageWindow::Qeit_Click()
{
    // Closing the only window ends the program; nothing is asked or saved.
    close();
}

} // namespace velmo
