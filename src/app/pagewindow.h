#pragma once

#include "composer/pagecontent.h"
#include "composer/picturefiles.h"
#include "hidden/hiddenmessage.h"
#include "printing/printcommands.h"
#include "runtimeservices.h"

#include <QMenu>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>

namespace velmo {

class PageLabel;
class PictureBox;
class RandomSource;

// The page window: one fixed 327 x 440 page laid out like a newspaper's front
// page. It is filled once by Form_Load and never changes afterwards. Every
// printed element opens the same pop-up menu when clicked; the big and the
// small headline also drive the hidden greeting. The window only reports
// intent to the runtime services: it shows no box or menu by itself.
class PageWindow : public QWidget {
    Q_OBJECT
    Q_PROPERTY(velmo::BorderStyle borderStyle READ borderStyle WRITE setBorderStyle)

public:
    static constexpr QSize ClientSize{327, 440};

    explicit PageWindow(RuntimeServices& services, QWidget* parent = nullptr);
    ~PageWindow() override;

    // Seeds the source from the clock, composes the page and puts it in
    // place: the three texts, then the four pictures in the order portrait,
    // advertisement 0, 1, 2. Throws on the first picture that cannot be
    // loaded; the boxes after it stay empty and the window must not be shown.
    void Form_Load(RandomSource& source);

    // Opens the pop-up menu at the mouse pointer; returns once it has closed
    // and any chosen command has run.
    void showPageMenu();

    void 見出し大_Click();
    void 写真_Click();
    void 記事1_Click();
    void 説明_Click();
    void 見出し小_Click();
    void 記事2_Click();
    void 広告_Click(std::int16_t Index);
    void 広告欄Tel_Click();
    void PrintOption_Click();
    void Print_Click();
    void Qeit_Click();

    BorderStyle borderStyle() const { return m_borderStyle; }
    void setBorderStyle(BorderStyle style) { m_borderStyle = style; }

    const HiddenMessage& hiddenMessage() const { return m_hiddenMessage; }
    HiddenMessage& hiddenMessage() { return m_hiddenMessage; }
    QMenu& menu() { return m_menu; }
    PictureBox& pictureBox(PictureBoxId box) const;

private:
    void createElements();
    void createMenu();
    using Handler = std::function<void()>;
    // Runs a click or menu handler. An error that escapes it is reported as
    // an unhandled error and ends the program with a non-zero status.
    void runHandler(const Handler& handler);
    // Runs handler through runHandler on every click of a label or box.
    template <typename Element>
    void routeClick(Element* element, const Handler& handler);
    void loadPagePictures(const PageContent& page);

    RuntimeServices& m_services;
    PrintCommands m_printCommands;
    HiddenMessage m_hiddenMessage;
    // What the draws selected; kept with the window, read by nothing.
    DrawRecord m_drawRecord;
    BorderStyle m_borderStyle = BorderStyle::FixedSingle;

    PageLabel* m_見出し大 = nullptr;
    PictureBox* m_写真 = nullptr;
    PageLabel* m_記事1 = nullptr;
    PageLabel* m_説明 = nullptr;
    PageLabel* m_見出し小 = nullptr;
    PageLabel* m_記事2 = nullptr;
    std::array<PictureBox*, 3> m_広告{};
    PageLabel* m_広告欄Tel = nullptr;

    QMenu m_menu;
};

} // namespace velmo
