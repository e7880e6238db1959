#include "hiddenmessage.h"

#include "platform.h"

#include <array>
#include <string_view>

namespace velmo {

namespace {

constexpr std::array<std::u16string_view, 4> Greeting = {
    u"おお！すごいすごい！よくここがわかったねぇ。",
    u"いちおう裏技なんだ。コレ。",
    u"ま、これからもこのソフトを愛用してね。",
    u"by.Pellam(Velmo)より",
};

constexpr std::u16string_view GreetingTitle = u"秘密…";

} // namespace

void HiddenMessage::countHeadlineClick()
{
    // A saturated count simply stays where it is; the click still opens the
    // menu like any other.
    if (m_headlineClickCount < INT_MAX) {
        ++m_headlineClickCount;
    }
}

void HiddenMessage::showGreeting(Platform& platform) const
{
    for (std::u16string_view part : Greeting) {
        platform.messageBox(part, MessageStyle::OkExclamation, GreetingTitle);
    }
}

} // namespace velmo
