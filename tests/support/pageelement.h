#pragma once

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRect>
#include <QStringList>
#include <QTest>
#include <QWidget>

namespace velmo::test {

// The ten elements of the page that open the pop-up menu when clicked.
inline const QStringList PageElementNames = {
    QStringLiteral("見出し大"), QStringLiteral("写真"), QStringLiteral("記事1"),  QStringLiteral("説明"),
    QStringLiteral("見出し小"), QStringLiteral("記事2"), QStringLiteral("広告0"), QStringLiteral("広告1"),
    QStringLiteral("広告2"),    QStringLiteral("広告欄Tel"),
};

// A child of the page window by its name. "広告0" to "広告2" name the three
// advertisement boxes, which share the name 広告 and differ by their Index.
inline QWidget* pageElement(QWidget& window, const QString& name)
{
    const bool advertisement = name.size() == 3 && name.startsWith(u"広告");
    for (QWidget* widget : window.findChildren<QWidget*>(advertisement ? name.left(2) : name)) {
        if (!advertisement || widget->property("Index").toString() == name.right(1)) {
            return widget;
        }
    }
    return nullptr;
}

// An element's rectangle in the window, by the name pageElement() takes.
inline QRect layoutRect(const QString& name)
{
    static const QJsonObject layout = [] {
        QFile file(QStringLiteral(VELMO_PAGE_LAYOUT));
        return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject();
    }();
    const QJsonArray box = layout.value(name).toArray();
    return box.size() == 4 ? QRect(box[0].toInt(), box[1].toInt(), box[2].toInt(), box[3].toInt()) : QRect();
}

// Shows a page window and waits until it has the focus, as a user meets it.
inline bool showPage(QWidget& window)
{
    window.show();
    return QTest::qWaitForWindowActive(&window);
}

} // namespace velmo::test
