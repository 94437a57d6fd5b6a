#include "app/clilink.h"

#include <memory>
#include <ostream>

#include "app/cli.h"
#include "link/aboutbox.h"
#include "link/exchange.h"
#include "ui/dialogs.h"
#include "ui/event.h"
#include "wizards/common/messages.h"

namespace qorix {

namespace {

struct LinkOptions {
    std::vector<std::string> operands;  // the install folder, and for "mdi" the command
    bool standalone = false;
    char separator;
};

LinkOptions parseLink(const std::vector<std::string>& args, char regional) {
    LinkOptions o{{}, false, regional};
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--standalone") {
            o.standalone = true;
        } else if (a.rfind("--decimal-separator=", 0) == 0) {
            o.separator = separatorOption(a);
        } else if (a.rfind("--", 0) == 0) {
            throw UsageError("ismeretlen kapcsoló: " + a);
        } else {
            o.operands.push_back(a);
        }
    }
    std::size_t wanted = args[0] == "mdi" ? 2 : 1;
    if (o.operands.size() < wanted)
        throw UsageError(args[0] + ": hiányzik " +
                         (o.operands.empty() ? "a telepítési mappa" : "a parancs"));
    if (o.operands.size() > wanted)
        throw UsageError(args[0] + ": fölösleges argumentum: " + o.operands[wanted]);
    return o;
}

}  // namespace

int runLinkVerb(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                char regionalSeparator, Sleeper& sleeper) {
    LinkOptions o = parseLink(args, regionalSeparator);
    NumberText num(o.separator);
    ui::RecordingDialogs dialogs;
    auto store = std::make_unique<AboutBox>(num, sleeper);
    exchange::storeExchangePaths(*store, o.operands[0]);
    store->standalone = o.standalone;

    bool ok;
    if (args[0] == "position") {
        ok = ui::runEvent(dialogs, [&] { store->ReadGetXYZ(); });
        if (ok)
            out << store->xPosText << '\n' << store->yPosText << '\n' << store->zPosText << '\n';
    } else {
        store->Edit1.setText(o.operands[1]);
        ok = ui::runEvent(dialogs, [&] { store->Button1.click(); });
    }
    for (const auto& line : store->Memo2.lines()) err << line << '\n';
    for (const auto& m : dialogs.messages()) err << m.caption << ": " << m.text << '\n';
    // the zeros of a missing file, or an old file, are printed as read: the user is told
    if (ok && !store->positionNote.empty())
        err << msg::kWarningCaption << ": " << store->positionNote << '\n';
    return ok ? kExitOk : kExitRefused;
}

}  // namespace qorix
