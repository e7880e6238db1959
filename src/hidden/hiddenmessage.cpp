#include "hiddenmessage.h"

#include "app/runtimeservices.h"

namespace velmo {

namespace {

constexpr std::array<QStringView, 4> Greeting = {
    u"おお！すごいすごい！よくここがわかったねぇ。",
    u"いちおう裏技なんだ。コレ。",
    u"ま、これからもこのソフトを愛用してね。",
    u"by.Pellam(Velmo)より",
};

constexpr QStringView GreetingTitle = u"秘密…";

} // namespace

void HiddenMessage::countHeadlineClick()
{
    // A saturated count simply stays where it is; the click still opens the
    // menu like any other.
    if (m_headlineClickCount < INT_MAX) {
        ++m_headlineClickCount;
    }
}

void HiddenMessage::showGreeting(RuntimeServices& services) const
{
    for (QStringView part : Greeting) {
        services.messageBox(part.toString(), MessageStyle::OkExclamation, GreetingTitle.toString());
    }
}

} // namespace velmo
