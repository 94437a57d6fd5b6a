#include "app/cli.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <memory>
#include <ostream>
#include <stdexcept>

#include "app/about.h"
#include "app/clilink.h"
#include "app/inspect.h"
#include "app/jobfile.h"
#include "app/toolchoice.h"
#include "app/wizardregistry.h"
#include "link/aboutbox.h"
#include "link/exchange.h"
#include "link/textfile.h"
#include "ui/controls.h"
#include "ui/event.h"

namespace qorix {

namespace {

constexpr const char* kUsage =
    "használat: qorix-wizards-cli generate VARÁZSLÓ [--decimal-separator=C] [--output=FÁJL] "
    "[--job=FELADAT] [--save-job=FELADAT] [--tools=TÁBLA] [--tool=N] "
    "[VEZÉRLŐ=ÉRTÉK | --press ...] [--inspect [--json] [--svg=FÁJL]]\n"
    "           qorix-wizards-cli inspect [FÁJL|-] [--decimal-separator=C] [--svg=FÁJL] "
    "[--json [--moves]] [--depth=Z]\n"
    "           qorix-wizards-cli describe VARÁZSLÓ\n"
    "           qorix-wizards-cli position TELEPÍTÉSI_MAPPA [--standalone] "
    "[--decimal-separator=C]\n"
    "           qorix-wizards-cli mdi TELEPÍTÉSI_MAPPA PARANCS [--standalone] "
    "[--decimal-separator=C]";

// Each verb's own --help: its usage line and the options it takes.
struct VerbHelp {
    const char* verb;
    const char* text;
};
constexpr VerbHelp kVerbHelp[] = {
    {"generate",
     "használat: qorix-wizards-cli generate VARÁZSLÓ [--decimal-separator=C] [--output=FÁJL] "
     "[--job=FELADAT] [--save-job=FELADAT] [--tools=TÁBLA] [--tool=N] "
     "[VEZÉRLŐ=ÉRTÉK | --press ...] [--inspect [--json] [--svg=FÁJL]]\n\n"
     "A varázsló programja a szabványos kimenetre, ahogy a \"Létrehozás\" gomb írja.\n"
     "  --decimal-separator=C  tizedesjel (, vagy .) a területi beállítások helyett\n"
     "  --output=FÁJL          mentés is, Windows-1250, CR LF sorvégek\n"
     "  --job=FELADAT          a feladatfájl (.qjob) értékei, a többi argumentum előtt\n"
     "  --save-job=FELADAT     az oldal értékei feladatfájlba a futás végén\n"
     "  --tools=TÁBLA          a szerszámtábla (alapból a beállítási mappában)\n"
     "  --tool=N               az N. szerszám értékei a szerszámmezőkbe, a feladat után\n"
     "  --holes=LISTA          (bolt-circle, rectangle-holes) csak a felsorolt furatok,\n"
     "                         pl. 1,3,5\n"
     "  --inspect              a program helyett annak vizsgálata (az inspect kapcsolóival)\n"},
    {"inspect",
     "használat: qorix-wizards-cli inspect [FÁJL|-] [--decimal-separator=C] [--svg=FÁJL] "
     "[--json [--moves]] [--top=Z] [--depth=Z] [--back-off=MM] [--rapid-rate=MM/PERC] "
     "[--tool-change-time=MP] [--tool-diameter=D]\n\n"
     "Egy program beolvasva: méretek, futási idő, figyelmeztetések.\n"
     "  --decimal-separator=C  tizedesjel (, vagy .); nélküle a program első tört számáé\n"
     "  --json                 a vizsgálat JSON-ban\n"
     "  --moves                (--json) a mozgások listája is\n"
     "  --svg=FÁJL             a szerszámpálya képe felülnézetből\n"
     "  --top=Z                a munkadarab teteje, alapérték 0\n"
     "  --back-off=MM          a fúróciklus visszahúzása a fogás fölé (0,5)\n"
     "  --depth=Z              a kért legmélyebb Z: ez alatti marás figyelmeztetés\n"
     "  --rapid-rate=MM/PERC   gyorsmenet sebessége az időbecsléshez (5000)\n"
     "  --tool-change-time=MP  egy szerszámcsere ideje (10)\n"
     "  --tool-diameter=D      a fúró átmérője a furatok rajzához\n"
     "Kilépési kód: 0 figyelmeztetés nélkül, 1 figyelmeztetéssel, 2 ha a program nem "
     "olvasható.\n"},
    {"describe",
     "használat: qorix-wizards-cli describe VARÁZSLÓ\n\n"
     "A varázsló vezérlői: név, fajta, felirat, alapérték.\n"},
    {"position",
     "használat: qorix-wizards-cli position TELEPÍTÉSI_MAPPA [--standalone] "
     "[--decimal-separator=C]\n\n"
     "A gép pozíciója a QORIX cserefájljain át.\n"
     "  --standalone           QORIX nélküli futtatás\n"},
    {"mdi",
     "használat: qorix-wizards-cli mdi TELEPÍTÉSI_MAPPA PARANCS [--standalone] "
     "[--decimal-separator=C]\n\n"
     "Parancs küldése a QORIX-nek, majd a pozíció beolvasása.\n"
     "  --standalone           QORIX nélküli futtatás\n"},
};

// "VERB ... --help": that verb's help; false for any other command line.
bool verbHelp(const std::vector<std::string>& args, std::ostream& out) {
    for (const auto& h : kVerbHelp)
        if (args[0] == h.verb &&
            std::find(args.begin() + 1, args.end(), std::string("--help")) != args.end()) {
            out << h.text;
            return true;
        }
    return false;
}

std::string slugList() {
    std::string s;
    for (const auto& e : wizardRegistry()) s += (s.empty() ? "" : ", ") + e.slug;
    return s;
}

// The --help text: the usage, the wizards and the exit codes.
void printHelp(std::ostream& out) {
    out << kUsage << "\n\n"
        << "G-kód programokat ír a QORIX varázslókkal, ahogy a felhasználó tenné: kitölti a\n"
        << "mezőket, majd megnyomja a \"Létrehozás\" gombot.\n\n"
        << "Parancsok:\n"
        << "  generate   a varázsló programja a szabványos kimenetre\n"
        << "  describe   a varázsló vezérlői: név, fajta, felirat, alapérték\n"
        << "  inspect    egy program beolvasva: méretek, futási idő, figyelmeztetések\n"
        << "  position   a gép pozíciója a QORIX cserefájljain át\n"
        << "  mdi        parancs küldése a QORIX-nek, majd a pozíció beolvasása\n\n"
        << "Kapcsolók:\n"
        << "  --decimal-separator=C  tizedesjel (, vagy .) a területi beállítások helyett\n"
        << "  --output=FÁJL          mentés is, Windows-1250, CR LF sorvégek\n"
        << "  --job=FELADAT          (generate) a feladatfájl értékei, az argumentumok előtt\n"
        << "  --save-job=FELADAT     (generate) az oldal értékei feladatfájlba\n"
        << "  --holes=LISTA          (bolt-circle, rectangle-holes) csak a felsorolt furatok,\n"
        << "                         pl. 1,3,5\n"
        << "  --inspect              (generate) a program helyett annak vizsgálata\n"
        << "  --json                 (inspect) a vizsgálat JSON-ban\n"
        << "  --svg=FÁJL             (inspect) a szerszámpálya képe felülnézetből\n"
        << "  --top=Z                (inspect) a munkadarab teteje, alapérték 0\n"
        << "  --back-off=MM          (inspect) a fúróciklus visszahúzása a fogás fölé (0,5)\n"
        << "  --depth=Z              (inspect) a kért legmélyebb Z: ez alatt figyelmeztet\n"
        << "  --moves                (inspect --json) a mozgások listája is\n"
        << "  --rapid-rate=MM/PERC   (inspect) gyorsmenet sebessége az időbecsléshez (5000)\n"
        << "  --tool-change-time=MP  (inspect) egy szerszámcsere ideje (10)\n"
        << "  --tool-diameter=D      (inspect) a fúró átmérője a furatok rajzához\n"
        << "  --standalone           (position, mdi) QORIX nélküli futtatás\n"
        << "  --help                 ez a súgó\n"
        << "  --version              a változat\n\n"
        << "Varázslók: " << slugList() << "\n\n"
        << "Kilépési kód: 0 minden program elkészült, 1 egy ellenőrzés vagy átalakítás\n"
        << "megállította, 2 hibás használat. Az inspect kódja 0 figyelmeztetés nélkül,\n"
        << "1 figyelmeztetéssel, 2 ha a program nem olvasható.\n";
}

const WizardEntry& wizardOrThrow(const std::string& slug) {
    const WizardEntry* e = findWizard(slug);
    if (!e) throw UsageError("ismeretlen varázsló: " + slug + " (ismert: " + slugList() + ")");
    return *e;
}

ui::Control* findControl(CliWizard& w, const std::string& name) {
    for (ui::Form* f : w.forms())
        if (ui::Control* c = f->find(name)) return c;
    return nullptr;
}

// Checks that the value fits the control (a usage error otherwise) and returns the action
// that applies it as a user would.
std::function<void()> assignment(CliWizard& w, const std::string& arg) {
    auto eq = arg.find('=');
    if (eq == std::string::npos || eq == 0) throw UsageError("ismeretlen argumentum: " + arg);
    std::string name = arg.substr(0, eq), value = arg.substr(eq + 1);
    ui::Control* c = findControl(w, name);
    if (!c) throw UsageError("ismeretlen vezérlő: " + arg);
    if (!c->enabled()) throw UsageError("a vezérlő le van tiltva: " + arg);
    std::string problem;
    ui::Handler set = ui::valueSetter(*c, value, problem);
    if (!set) throw UsageError(problem + ": " + arg);
    return set;
}

std::string quoted(const std::string& s) { return "\"" + s + "\""; }

struct Shown {
    std::string caption, value;
};

// What describe shows of a control: its caption (a choice's items and a bar's range in
// brackets) and its value.
Shown shownOf(ui::Control* c) {
    switch (c->kind()) {
        case ui::Kind::Edit: {
            auto* e = static_cast<ui::Edit*>(c);
            return {e->caption(), e->text()};
        }
        case ui::Kind::CheckBox: {
            auto* b = static_cast<ui::CheckBox*>(c);
            return {b->caption(), b->checked() ? "1" : "0"};
        }
        case ui::Kind::RadioGroup: {
            auto* g = static_cast<ui::RadioGroup*>(c);
            std::string caption = g->caption() + "[";
            for (std::size_t i = 0; i < g->items().size(); ++i)
                caption += (i ? "|" : "") + g->items()[i];
            return {caption + "]", std::to_string(g->itemIndex())};
        }
        case ui::Kind::ScrollBar: {
            auto* s = static_cast<ui::ScrollBar*>(c);
            return {s->caption() + "[" + std::to_string(s->min()) + ".." +
                        std::to_string(s->max()) + "]",
                    std::to_string(s->position())};
        }
        case ui::Kind::Label:
            return {static_cast<ui::Label*>(c)->caption(), ""};
        case ui::Kind::Button:
            return {static_cast<ui::Button*>(c)->caption(), ""};
        case ui::Kind::Image:
            return {"", static_cast<ui::Image*>(c)->picture()};
        default:
            return {};
    }
}

void describe(CliWizard& w, std::ostream& out) {
    for (ui::Form* f : w.forms()) {
        for (ui::Control* c : f->controls()) {
            const Shown shown = shownOf(c);
            out << c->name() << '\t' << ui::kindName(c->kind()) << '\t' << quoted(shown.caption)
                << '\t' << quoted(shown.value) << (c->enabled() ? "" : "\tdisabled") << '\n';
        }
    }
}

struct GenerateOptions {
    std::string slug;
    char separator;
    std::string output;
    std::string job, saveJob;  // --job=FILE, read before the arguments; --save-job=FILE
    std::string tools, tool;   // --tools=FILE (empty: the program's own), --tool=N
    std::vector<std::string> args;
    std::vector<std::string> wizardOptions;  // other "--" options, for the wizard to judge
    bool inspect = false;                    // the program read and told, not printed
    InspectOptions inspection;
};

GenerateOptions parseGenerate(const std::vector<std::string>& args, char regional) {
    if (args.size() < 2) throw UsageError("hiányzik a varázsló neve");
    GenerateOptions o{args[1], regional, {}, {}, {}, {}, {}, {}, {}, false, {}};
    for (std::size_t i = 2; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.rfind("--decimal-separator=", 0) == 0) {
            o.separator = separatorOption(a);
        } else if (a.rfind("--output=", 0) == 0) {
            o.output = a.substr(9);
            if (o.output.empty()) throw UsageError("hiányzik a fájlnév: " + a);
        } else if (a.rfind("--job=", 0) == 0 || a.rfind("--save-job=", 0) == 0) {
            std::string& path = a[2] == 'j' ? o.job : o.saveJob;
            path = a.substr(a.find('=') + 1);
            if (path.empty()) throw UsageError("hiányzik a fájlnév: " + a);
        } else if (a.rfind("--tools=", 0) == 0 || a.rfind("--tool=", 0) == 0) {
            std::string& value = a[6] == 's' ? o.tools : o.tool;
            value = a.substr(a.find('=') + 1);
            if (value.empty()) throw UsageError("hiányzik az érték: " + a);
        } else if (a == "--inspect") {
            o.inspect = true;
        } else if (inspectOption(a, o.inspection)) {
        } else if (a == "--press" || a.rfind("--", 0) != 0) {
            o.args.push_back(a);
        } else {
            o.wizardOptions.push_back(a);
        }
    }
    return o;
}

// One run of a wizard from the command line: its events, its messages on stderr, and
// whether every press wrote its program.
struct WizardRun {
    ui::RecordingDialogs& dialogs;
    CliWizard& wizard;
    std::ostream& err;
    std::size_t shown = 0;
    bool allWrote = true;

    void flushMessages() {
        for (; shown < dialogs.messages().size(); ++shown)
            err << dialogs.messages()[shown].caption << ": " << dialogs.messages()[shown].text
                << '\n';
    }
    void press() {
        std::string problem;
        ui::runEvent(dialogs, [&] { problem = wizard.beforePress(); });
        if (!problem.empty()) throw UsageError(problem);
        bool wrote = false;
        ui::runEvent(dialogs, [&] { wrote = wizard.press(); });
        allWrote = allWrote && wrote;
    }
    // The job's values, as if typed right after the start; false when it is refused.
    bool loadJob(const GenerateOptions& o) {
        bool loaded = ui::runEvent(
            dialogs, [&] { job::load(o.job, o.slug, *wizard.forms().front(), o.separator); });
        flushMessages();
        return loaded;
    }
    // The page's values as a job, after the run; false when the file could not be written.
    bool saveJob(const GenerateOptions& o) {
        bool saved = ui::runEvent(
            dialogs, [&] { job::save(o.saveJob, o.slug, *wizard.forms().front(), o.separator); });
        flushMessages();
        return saved;
    }
    // The tool's values in the page's tool fields; false when the table or tool is refused.
    bool takeTool(const GenerateOptions& o) {
        bool taken = ui::runEvent(dialogs, [&] {
            fillFromTool(o.slug, *wizard.forms().front(), toolOf(o.tools, o.tool), o.separator);
        });
        flushMessages();
        return taken;
    }
    // The job, then the assignments and presses in their order; one press at the end when
    // none was asked. False when the job or the tool is refused (nothing is pressed then).
    bool run(const GenerateOptions& o) {
        ui::runEvent(dialogs, [&] { wizard.startup(); });
        if (!o.job.empty() && !loadJob(o)) return false;
        if (!o.tool.empty() && !takeTool(o)) return false;
        const std::vector<std::string>& args = o.args;
        bool pressed = false;
        for (const std::string& a : args) {
            if (a == "--press") {
                press();
                pressed = true;
            } else {
                ui::runEvent(dialogs, assignment(wizard, a));
            }
            flushMessages();
        }
        if (!pressed) press();
        flushMessages();
        return true;
    }
    // The programs into the output file; a refused press must not cost an earlier program,
    // so the file then keeps what it held. False when the file could not be written.
    bool save(const std::string& output) {
        if (!allWrote) {
            err << ui::kFailureCaption << ": A(z) „" << output
                << "” fájl nem változott, mert nem készült el minden program.\n";
            return true;
        }
        bool saved = ui::runEvent(dialogs, [&] { textfile::writeLines(output, wizard.output()); });
        flushMessages();
        return saved;
    }
};

int generate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
             char regional) {
    GenerateOptions o = parseGenerate(args, regional);
    const WizardEntry& entry = wizardOrThrow(o.slug);
    NumberText num(o.separator);
    ui::RecordingDialogs dialogs;
    auto store = std::make_unique<AboutBox>(num);
    Services services{dialogs, num, store.get(), store.get()};
    std::unique_ptr<CliWizard> wizard = entry.make(services);
    for (const std::string& a : o.wizardOptions) {
        std::string problem;
        if (!wizard->option(a, problem)) throw UsageError("ismeretlen kapcsoló: " + a);
        if (!problem.empty()) throw UsageError(problem + ": " + a);
    }
    WizardRun run{dialogs, *wizard, err};
    if (!run.run(o)) return kExitRefused;
    if (!o.saveJob.empty() && !run.saveJob(o)) return kExitRefused;
    if (!o.inspect)
        for (const auto& line : wizard->output()) out << line << '\n';
    for (const auto& line : wizard->diagnostics()) err << line << '\n';
    if (!o.output.empty() && !run.save(o.output)) return kExitRefused;
    if (o.inspect) {
        o.inspection.read.decimalSeparator = o.separator;
        pageFacts(*wizard, o.inspection);
        int status = inspectLines(wizard->output(), o.inspection, out, err);
        return run.allWrote ? status : kExitRefused;
    }
    return run.allWrote ? kExitOk : kExitRefused;
}

}  // namespace

char separatorOption(const std::string& arg) {
    std::string v = arg.substr(arg.find('=') + 1);
    if (v != "," && v != ".")
        throw UsageError("a tizedesjel vessző (,) vagy pont (.) lehet: " + arg);
    return v[0];
}

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           char regionalSeparator) {
    return runCli(args, out, err, regionalSeparator, realSleeper());
}

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           char regionalSeparator, Sleeper& sleeper) {
    try {
        if (args.empty()) throw UsageError("hiányzik a parancs");
        const std::string& verb = args[0];
        if (verb == "--help") {
            printHelp(out);
            return kExitOk;
        }
        if (verbHelp(args, out)) return kExitOk;
        if (verb == "--version") {
            printVersion(out, "qorix-wizards-cli");
            return kExitOk;
        }
        if (verb == "generate") return generate(args, out, err, regionalSeparator);
        if (verb == "inspect") return runInspect(args, out, err, regionalSeparator);
        if (verb == "position" || verb == "mdi")
            return runLinkVerb(args, out, err, regionalSeparator, sleeper);
        if (verb == "describe") {
            if (args.size() != 2) throw UsageError("describe: egy varázsló nevét várom");
            NumberText num(regionalSeparator);
            ui::RecordingDialogs dialogs;
            auto store = std::make_unique<AboutBox>(num);
            Services services{dialogs, num, store.get(), store.get()};
            auto wizard = wizardOrThrow(args[1]).make(services);
            describe(*wizard, out);
            return kExitOk;
        }
        throw UsageError("ismeretlen parancs: " + verb);
    } catch (const UsageError& e) {
        err << "qorix-wizards-cli: " << e.what() << '\n' << kUsage << '\n';
        return kExitUsage;
    }
}

}  // namespace qorix
