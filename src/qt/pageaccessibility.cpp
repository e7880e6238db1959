#include "pageaccessibility.h"

#include "pagelabel.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace velmo {

namespace {

QAccessibleInterface* pageElementInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String("velmo::PageLabel")) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::StaticText);
    }
    // A top-level window with a title bar: a frame to AT-SPI, named by its
    // title. Left to Qt it would be an anonymous filler.
    if (className == QLatin1String("velmo::PageWindow")) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    }
    return nullptr;
}

} // namespace

void installPageAccessibility()
{
    QAccessible::installFactory(pageElementInterface);
}

} // namespace velmo
