#include "files/commandline.h"
#include "buildlist/ordercheck.h"
#include "catalog/catalog.h"
#include "editing/textcopy.h"
#include "files/diskfile.h"
#include "files/openroad.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

namespace {

constexpr int kSound = 0;
constexpr int kProblems = 1;
constexpr int kUnreadable = 2;

// Options Qt's window system takes for itself; given alone, they ask for
// the window.
const QStringList kWindowOptions = {"platform",
                                    "platformpluginpath",
                                    "platformtheme",
                                    "plugin",
                                    "qwindowgeometry",
                                    "qwindowicon",
                                    "qwindowtitle",
                                    "reverse",
                                    "session",
                                    "style",
                                    "stylesheet",
                                    "widgetcount",
                                    "display",
                                    "geometry",
                                    "name",
                                    "title",
                                    "visual",
                                    "ncols",
                                    "cmap",
                                    "nograb",
                                    "dograb",
                                    "sync"};

// A file read and made into what Open shows, or nothing with the reason
// told on err.
struct OpenedFile {
    ReadOutcome read;
    OpenedText opened;
};

std::optional<OpenedFile> openAsTheEditorWould(const QString& path, const Catalog& catalog, QTextStream& err)
{
    ReadOutcome read = readBuildList(path);
    if (!read.text) {
        err << path << ": " << read.whyNot << Qt::endl;
        return std::nullopt;
    }
    if (!read.leftoverBackup.isEmpty())
        err << path << ": a save that did not finish left the old file in " << read.leftoverBackup
            << Qt::endl;
    OpenedText opened = prepareOpenedText(*read.text, catalog);
    if (opened.hasTab) {
        err << path << ": holds a tab character; fix it by hand" << Qt::endl;
        return std::nullopt;
    }
    return OpenedFile{std::move(read), std::move(opened)};
}

int check(const QStringList& files, const Catalog& catalog, QTextStream& out, QTextStream& err)
{
    int code = kSound;
    for (const QString& path : files) {
        const std::optional<OpenedFile> file = openAsTheEditorWould(path, catalog, err);
        if (!file) {
            code = kUnreadable;
            continue;
        }
        // Numbered as the file is, as editors count, not by the
        // continuation lines Open makes of a long comment.
        for (const OrderProblem& problem : checkOrder(catalog, file->opened.lines, file->opened.fileLines)) {
            out << path << ':' << problem.line << ": " << problem.message << Qt::endl;
            code = qMax(code, kProblems);
        }
    }
    return code;
}

// Why a normalized file was not written, in a few words.
QString whyNotWritten(const SaveOutcome& outcome)
{
    switch (outcome.status) {
    case SaveStatus::ChangedOnDisk: return QStringLiteral("changed on disk while it was read");
    case SaveStatus::NotTheFileRead: return QStringLiteral("replaced or moved while it was read");
    case SaveStatus::TooLarge: return QStringLiteral("would be larger than 4 MiB");
    default:
        return outcome.keptBackup.isEmpty()
                   ? outcome.why
                   : QStringLiteral("%1; the old file is kept in %2").arg(outcome.why, outcome.keptBackup);
    }
}

int normalize(const QStringList& files, const Catalog& catalog, QTextStream& out, QTextStream& err)
{
    int code = kSound;
    for (const QString& path : files) {
        std::optional<OpenedFile> file = openAsTheEditorWould(path, catalog, err);
        if (!file || !file->read.leftoverBackup.isEmpty()) {
            code = kUnreadable;
            continue;
        }
        // What Save writes after Open: the lines as shown, joined by CR LF,
        // with a final break where the file had one.
        const QByteArray bytes =
            joinLines(file->opened.lines, u"\r\n", file->opened.endsWithBreak).toLatin1();
        if (bytes == file->read.text->toLatin1()) {
            out << path << ": unchanged" << Qt::endl;
            continue;
        }
        const SaveOutcome saved = saveOver(*file->read.file, bytes);
        if (!saved.saved()) {
            err << path << ": not written: " << whyNotWritten(saved) << Qt::endl;
            code = kUnreadable;
            continue;
        }
        out << path << ": normalized" << Qt::endl;
    }
    return code;
}

} // namespace

CommandLineOutcome runCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err,
                                  bool windowSystemPresent)
{
    auto endWith = [](int code) { return CommandLineOutcome{code, QString()}; };
    const QString name = QCoreApplication::applicationName();
    auto refuse = [&](const QString& why) {
        err << name << ": " << why << Qt::endl << "Try --help for the options." << Qt::endl;
        return endWith(kUnreadable);
    };
    QCommandLineParser parser;
    // -platform, -display and the other window options are single-dash words.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Edits the build lists (.ai files) of a real-time strategy game's computer "
                       "players. Without options it opens its window, and FILE in it."));
    const QCommandLineOption checkOption(
        QStringLiteral("check"),
        QStringLiteral("Checks each file's order: would the picker have offered each line where it "
                       "stands? Prints FILE:LINE: message per problem."));
    const QCommandLineOption normalizeOption(
        QStringLiteral("normalize"),
        QStringLiteral("Rewrites each file as Open followed by Save would: CR LF breaks, "
                       "48-character lines, names from numbers."));
    parser.addOption(checkOption);
    parser.addOption(normalizeOption);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        QStringLiteral("A build list to open in the window; with --check or --normalize, any number."),
        QStringLiteral("[FILE...]"));

    if (!parser.parse(arguments)) {
        bool onlyWindowOptions = !parser.unknownOptionNames().isEmpty();
        for (const QString& name : parser.unknownOptionNames())
            onlyWindowOptions = onlyWindowOptions && kWindowOptions.contains(name);
        if (onlyWindowOptions && !windowSystemPresent)
            return {}; // decided again once the window system has taken its own
        return refuse(parser.errorText());
    }
    if (parser.isSet(help)) {
        out << parser.helpText();
        return endWith(kSound);
    }
    if (parser.isSet(version)) {
        out << name << ' ' << QCoreApplication::applicationVersion() << Qt::endl;
        return endWith(kSound);
    }
    const bool checking = parser.isSet(checkOption);
    const bool normalizing = parser.isSet(normalizeOption);
    const QStringList files = parser.positionalArguments();
    if (!checking && !normalizing) {
        if (files.size() > 1)
            return refuse(QStringLiteral("the window opens one FILE at a time"));
        return {std::nullopt, files.value(0)};
    }
    if (checking && normalizing)
        return refuse(QStringLiteral("--check and --normalize go one at a time"));
    if (files.isEmpty())
        return refuse(QStringLiteral("name at least one FILE"));
    Catalog catalog;
    catalog.fill();
    return endWith(checking ? check(files, catalog, out, err) : normalize(files, catalog, out, err));
}

std::optional<QString> firstUnfaithfulArgument(int argc, const char* const* argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray bytes(argv[i]);
        const QString text = QFile::decodeName(bytes);
        if (QFile::encodeName(text) != bytes)
            return text;
    }
    return std::nullopt;
}
