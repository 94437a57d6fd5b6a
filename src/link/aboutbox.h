// The About window over the run's session, and a small diagnostics console: a command line
// for QORIX ("MDI"), a log of the exchange routines and a listing of the session's values
// and of the drilling page's. One instance lives for the whole run.
#pragma once

#include <string>
#include <vector>

#include "link/session.h"
#include "link/sleeper.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "wizards/common/numbertext.h"
#include "wizards/drilling/drillingvalues.h"

namespace qorix {

class AboutBox : public ui::Form, public Session {
public:
    static constexpr int kCompactWidth = 287, kCompactHeight = 356;
    static constexpr int kWideWidth = 678, kWideHeight = 467;

    // The waits of the exchange routines go through the sleeper.
    explicit AboutBox(const NumberText& num, Sleeper& sleeper = realSleeper());

    // The window's size. The wide size shows the three boxes; in the compact size the two
    // listing buttons lie beyond the window's edge.
    int width() const { return width_; }
    int height() const { return height_; }
    bool boxesShown() const { return Memo1.visible(); }
    // A view is told after every change of the size.
    void addSizeListener(ui::Control::Listener listener) {
        sizeListeners_.push_back(std::move(listener));
    }

    void OKButtonClick() { setVisible(false); }
    // l or L: the wide size with the boxes shown; h or H: the compact size, boxes hidden.
    void OKButtonKeyPress(char key);
    // "MDI": sends the command line and reads the position; an empty field does nothing.
    void Button1Click();
    // "Összes változó kiírása": the listing of every stored value into the log box.
    void Button2Click();
    // "ClearAll": empties the position, log and command echo boxes.
    void Button3Click();

    // One line in the log box: the label and the value run together.
    void LogLine(const std::string& label, const std::string& value);

    // The command code as a line in "adatcsere.txt" (not in standalone mode).
    void WriteAdatFile(const std::string& text);
    // The command line into "command.txt", its echo into Memo3, then the code "C". A command
    // that cannot reach QORIX as one line of Windows-1250 is refused before anything is written.
    void WriteCommanFile(const std::string& text);
    // Asks QORIX for the machine position and reads "GetXYZ.txt" into the store. A missing
    // or unreadable file gives 0, 0, 0, and a file not written after the request is read as
    // it is; positionNote then says so.
    void ReadGetXYZ();
    // Why the last position read may not be the machine's own now: the file was missing or
    // unreadable, or older than the request. Empty after a fresh answer (and in standalone
    // mode, where no request is made, after any file that could be read).
    std::string positionNote;
    // The number of a position line: its first 15 characters, digits, separators and minus
    // signs only.
    long double ConvertDot(const std::string& text);
    // The drilling page's values, listed by "Összes változó kiírása"; zeros until given.
    void showDrilling(const DrillingValues* values) { drilling_ = values; }

    ui::Image ProgramIcon;
    ui::Label ProductName, Version, Copyright, Comments;  // the captions of the panel
    ui::Label Label1, Label2, Label3, Label4;             // product, version, authors, about
    ui::Button OKButton;
    ui::Edit Edit1;
    ui::Button Button1;
    ui::Label MdiStatus;  // what the last "MDI" sent
    ui::Memo Memo1;       // position box: "GetXYZ.txt" as last read
    ui::Memo Memo2;       // log box
    ui::Memo Memo3;       // command echo box: "command.txt" as last written
    ui::Button Button2;
    ui::Button Button3;

private:
    void convertPosition();
    void setWide(bool wide);
    void listHoleTable(const DrillingValues& d);
    void listDrillFlags(const DrillingValues& d);

    const NumberText& num_;
    Sleeper& sleeper_;
    const DrillingValues* drilling_ = nullptr;
    int width_ = kCompactWidth;
    int height_ = kCompactHeight;
    std::vector<ui::Control::Listener> sizeListeners_;
};

}  // namespace qorix
