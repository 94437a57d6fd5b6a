#include "link/aboutbox.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "link/textfile.h"
#include "wizards/common/errors.h"

namespace qorix {

namespace {

constexpr int kWriteWaitMs = 50;      // after each file written
constexpr int kPositionWaitMs = 600;  // the time QORIX has to write "GetXYZ.txt"
constexpr std::size_t kPositionChars = 15;

std::string separatorLine() { return std::string(30, '<') + std::string(30, '>'); }

// True for the first byte of a UTF-8 character (a position line counts characters).
bool startsCharacter(char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }

}  // namespace

AboutBox::AboutBox(const NumberText& num, Sleeper& sleeper)
    : ui::Form("AboutBox", "About"),
      ProgramIcon(this, "ProgramIcon", "aboutbox.jpg"),
      ProductName(this, "ProductName", "Termék:"),
      Version(this, "Version", "Változat:"),
      Copyright(this, "Copyright", "Szerzők:"),
      Comments(this, "Comments", "Leírás:"),
      Label1(this, "Label1", "QORIX varázslók"),
      Label2(this, "Label2", "1.x.x.x  beta"),
      Label3(this, "Label3", "QORIX varázslók fejlesztői"),
      Label4(this, "Label4", "G-kód varázslók háromtengelyes marógéphez"),
      OKButton(this, "OKButton", "OK"),
      Edit1(this, "Edit1", ""),
      Button1(this, "Button1", "MDI"),
      MdiStatus(this, "MdiStatus"),
      Memo1(this, "Memo1"),
      Memo2(this, "Memo2"),
      Memo3(this, "Memo3"),
      Button2(this, "Button2", "Összes változó kiírása"),
      Button3(this, "Button3", "ClearAll"),
      num_(num),
      sleeper_(sleeper) {
    OKButton.onClick = [this] { OKButtonClick(); };
    Button1.onClick = [this] { Button1Click(); };
    Button2.onClick = [this] { Button2Click(); };
    Button3.onClick = [this] { Button3Click(); };
    setWide(false);
}

void AboutBox::setWide(bool wide) {
    for (ui::Memo* m : {&Memo1, &Memo2, &Memo3}) m->setVisible(wide);
    int width = wide ? kWideWidth : kCompactWidth;
    int height = wide ? kWideHeight : kCompactHeight;
    if (width == width_ && height == height_) return;
    width_ = width;
    height_ = height;
    for (auto& listener : sizeListeners_) listener();
}

void AboutBox::OKButtonKeyPress(char key) {
    if (key == 'l' || key == 'L') setWide(true);
    if (key == 'h' || key == 'H') setWide(false);
}

void AboutBox::Button1Click() {
    if (Edit1.text().empty()) return;
    MdiStatus.setCaption("");
    WriteCommanFile(Edit1.text());
    MdiStatus.setCaption(standalone ? "QORIX nélküli futtatás: nincs elküldve."
                                    : "Elküldve a QORIX-nek: " + Edit1.text());
    ReadGetXYZ();
}

void AboutBox::Button3Click() {
    Memo1.clear();
    Memo2.clear();
    Memo3.clear();
}

void AboutBox::LogLine(const std::string& label, const std::string& value) {
    Memo2.add(label + value);
}

void AboutBox::WriteAdatFile(const std::string& text) {
    if (standalone) return;
    textfile::writeLines(dataPath, {text});
    sleeper_.sleepMs(kWriteWaitMs);
    LogLine("WriteAdatFile: ", text);
}

void AboutBox::WriteCommanFile(const std::string& text) {
    if (standalone) return;
    if (std::string why = textfile::cp1250LineProblem(text); !why.empty())
        throw Error("A parancs nem adható át a QORIX-nek: " + why + ".");
    textfile::writeLines(commandPath, {text});
    sleeper_.sleepMs(kWriteWaitMs);
    LogLine("WriteCommanFile: ", text);
    sleeper_.sleepMs(kWriteWaitMs);
    Memo3.setLines(textfile::readLines(commandPath));
    WriteAdatFile("C");
}

void AboutBox::ReadGetXYZ() {
    LogLine("ReadGetXYZ();", "");
    WriteAdatFile("G");
    // the request's own time: an answer must be newer
    const std::int64_t requested = standalone ? 0 : textfile::modifiedNs(dataPath);
    sleeper_.sleepMs(kPositionWaitMs);
    xPos = yPos = zPos = 0;
    positionNote.clear();
    std::optional<textfile::ExchangeFile> file;
    try {
        file = textfile::readExchangeFile(positionPath);
    } catch (const FileError& failure) {
        // no position from QORIX: it stays 0, 0, 0, and the user is told
        positionNote = std::string(failure.what()) + " A pozíció ezért 0, 0, 0: nem mért érték.";
    }
    if (file) {
        Memo1.setLines(textfile::splitLines(file->bytes));
        if (file->modifiedNs < requested)
            positionNote = "A(z) „" + positionPath +
                           "” fájl a pozíciókérés előtt készült, a QORIX nem írta újra: a "
                           "pozíció egy korábbi mérésé lehet.";
        convertPosition();
    }
    xPosText = num_.f4(xPos);
    yPosText = num_.f4(yPos);
    zPosText = num_.f4(zPos);
    LogLine("X_pos= ", xPosText);
    LogLine("Y_pos= ", yPosText);
    LogLine("Z_pos= ", zPosText);
}

// A missing line ends the reading; the lines before it stay converted.
void AboutBox::convertPosition() {
    const auto& lines = Memo1.lines();
    long double* targets[] = {&xPos, &yPos, &zPos};
    for (std::size_t i = 0; i < 3; ++i) {
        if (i >= lines.size())
            throw Error("A(z) „" + positionPath + "” fájlnak csak " +
                        NumberText::whole(static_cast<std::int64_t>(lines.size())) +
                        " sora van; a pozícióhoz három sor kell (X, Y, Z).");
        *targets[i] = ConvertDot(lines[i]);
    }
}

long double AboutBox::ConvertDot(const std::string& text) {
    // QORIX may write a dot or a comma; both become this run's separator, so that the
    // position reads the same under any regional settings.
    std::string result;
    std::size_t chars = 0;
    for (char c : text) {
        if (startsCharacter(c) && ++chars > kPositionChars) break;
        if (c == '.' || c == ',') c = num_.separator();
        if ((c >= '0' && c <= '9') || c == num_.separator() || c == '-') result.push_back(c);
    }
    LogLine("ConvertDot: ", result);
    if (result.empty())
        throw ConversionError("A(z) „" + text + "” pozíciósor első " +
                              NumberText::whole(kPositionChars) + " karakterében nincs szám.");
    return num_.toFloat(result);
}

void AboutBox::Button2Click() {
    ui::Memo::Batch batch(Memo2);
    LogLine("AboutBox ", "változói");
    LogLine("Xpos= ", num_.f4(xPos));
    LogLine("Ypos= ", num_.f4(yPos));
    LogLine("Zpos= ", num_.f4(zPos));
    LogLine("X_pos= ", xPosText);
    LogLine("Y_pos= ", yPosText);
    LogLine("Z_pos= ", zPosText);
    LogLine("_CF_= ", commandPath);
    LogLine("_AF_= ", dataPath);
    LogLine("_FF_= ", filePath);
    LogLine("_GF_= ", positionPath);
    LogLine(separatorLine(), "");
    LogLine("Fúrás kör mentén (drill circular bolt pattern) ", "változói");
    static const DrillingValues none;
    const DrillingValues& d = drilling_ ? *drilling_ : none;
    LogLine("X tengely középpontja   u8_x_= ", num_.f4(d.centreX));
    LogLine("Y tengely középpontja   u8_y_= ", num_.f4(d.centreY));
    LogLine("Z tengely kezdőpontja   u8_z_= ", num_.f4(d.startZ));
    LogLine("A kör sugara   u8_r_= ", num_.f4(d.radius));
    LogLine("Biztonsági Z érték   u8_zsb_= ", num_.f4(d.safeOffset));
    LogLine("Biztonsági Z pozíció   u8_zs_= ", num_.f4(d.safeZ));
    LogLine("Szerszám átmérő   u8_sz_= ", num_.f4(d.drillDiameter));
    LogLine("Furatok száma a kör mentén   u8_szc_= ",
            NumberText::whole(std::llroundl(d.peckDepth)));
    LogLine("A kör átmérője   u8_rd_= ", num_.f4(d.circleDiameter));
    LogLine("Furatok száma számláló   u8_anc= ", NumberText::whole(d.preparedCount));
    LogLine("Utolsó furatok száma adat   u8_ancl= ", NumberText::whole(d.writtenCount));
    listHoleTable(d);
    listDrillFlags(d);
    LogLine(separatorLine(), "");
}

// Entries 0 and 1 always; after them the table ends at the first entry with no angle.
void AboutBox::listHoleTable(const DrillingValues& d) {
    for (std::size_t n = 0; n < d.table.size(); ++n) {
        const auto& e = d.table[n];
        if (n >= 2 && e[0] == 0) break;
        LogLine("_an[" + NumberText::whole(static_cast<std::int64_t>(n)) + ",1..5]= ",
                num_.general(e[0]) + "°   " + "X(_r_)" + num_.f4(e[1]) + "   " + "Y(_r_)" +
                    num_.f4(e[2]) + "   " + "X" + num_.f4(e[3]) + "   " + "Y" + num_.f4(e[4]));
    }
}

// The holes of the last written program; a count beyond the table lists the table only.
void AboutBox::listDrillFlags(const DrillingValues& d) {
    const std::int32_t last =
        std::min<std::int32_t>(d.writtenCount, static_cast<std::int32_t>(1000));
    for (std::int32_t k = 1; k <= last; ++k) {
        std::string n = NumberText::whole(k);
        const auto& e = d.table[static_cast<std::size_t>(k)];
        LogLine(n + ". furat u8_an[" + n + "](X" + num_.f4(e[1]) + " Y" + num_.f4(e[2]) + ")",
                d.drillFlags[static_cast<std::size_t>(k)] ? "ki lesz fúrva" : " kimarad");
    }
}

}  // namespace qorix
