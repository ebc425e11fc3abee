// SPDX-License-Identifier: GPL-3.0-or-later
// vantor: the suite's command-line front end over the programs' cores.
#include "CommandLine.h"
#include "CommandTable.h"
#include "ProgramArguments.h"

#include "common/core/FileTransaction.h"
#include "common/core/IoError.h"
#include "common/core/PathText.h"
#include "common/core/RunBackups.h"
#include "common/core/ShownText.h"

#include <cstdio>

namespace {

// Every message is one short line whatever input it quotes, escaped and,
// when still long, cut in the middle: the file named first and the reason
// given last both stay.
void error(const std::string& text)
{
    constexpr std::size_t kHead = 130;
    constexpr std::size_t kTail = 55;
    std::string line = common::shownText(text, std::string::npos);
    if (line.size() > kHead + kTail + 3) {
        // Cut on character boundaries: after escaping, every byte above
        // 0x7F belongs to a whole UTF-8 character.
        const auto continuation = [&](std::size_t at) { return (static_cast<unsigned char>(line[at]) & 0xC0) == 0x80; };
        std::size_t head = kHead;
        while (head > 0 && continuation(head))
            --head;
        std::size_t tail = line.size() - kTail;
        while (tail < line.size() && continuation(tail))
            ++tail;
        line = line.substr(0, head) + "..." + line.substr(tail);
    }
    vantorcli::writeStandardError("vantor: " + line + "\n");
}

// The failure naming its file as shown safely; a sentence of its own as it is.
std::string describe(const common::IoError& e)
{
    const std::string name = common::utf8FromPath(e.path().filename());
    if (e.path().empty() || e.describe() != name + ": " + e.what())
        return e.describe();
    return common::shownText(name) + ": " + e.what();
}

// Output that could not be written makes the run a failure.
int finish(int status)
{
    try {
        vantorcli::checkStandardOutput();
    } catch (const common::IoError& e) {
        error(e.describe());
        return 1;
    }
    return status;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> arguments = vantorcli::programArguments(argc, argv);
    const std::string usage = vantorcli::usageText();
    if (arguments.empty()) {
        vantorcli::writeStandardError(usage);
        return 2;
    }
    std::string name = arguments.front();
    arguments.erase(arguments.begin());
    if (name == "--help" || name == "-h" || (name == "help" && arguments.empty())) {
        vantorcli::writeStandardOutput(usage);
        return finish(0);
    }
    if (name == "--version" || name == "-v") {
        vantorcli::writeStandardOutput("vantor " VANTOR_VERSION "\n");
        return finish(0);
    }
    // help CMD [SUB]: the command's own help.
    if (name == "help") {
        name = arguments.front();
        arguments.erase(arguments.begin());
        arguments.push_back("--help");
    }
    const auto group = vantorcli::commandGroup(name);
    if (group.empty()) {
        error("unknown command '" + vantorcli::shown(name) + "' (see vantor --help)");
        return 2;
    }
    const int failure = group.front()->failureCode;
    // As in the windows: an existing file is copied before its first change.
    common::RunBackups::start("vantor");
    try {
        int status = 0;
        {
            // One operation: a command that fails part way, or whose output
            // is lost, puts back every file it had changed.
            common::FileTransaction transaction;
            status = vantorcli::runCommand(group, arguments);
            vantorcli::checkStandardOutput();
            if (status == 0 || failure == 2)
                transaction.commit();
        }
        if (const auto folder = common::RunBackups::lastFolder())
            vantorcli::writeStandardError(
                "vantor: originals backed up in " + common::shownText(common::utf8FromPath(*folder), 300) + "\n");
        return status;
    } catch (const vantorcli::UsageError& e) {
        error(e.what());
        return 2;
    } catch (const vantorcli::Refusal& e) {
        error(e.what());
        return failure;
    } catch (const common::IoError& e) {
        error(describe(e));
        return failure;
    } catch (const std::exception& e) {
        error(e.what());
        return failure;
    }
}
