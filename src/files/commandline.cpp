#include "files/commandline.h"
#include "buildlist/ordercheck.h"
#include "catalog/catalog.h"
#include "editing/textcopy.h"
#include "files/diskfile.h"
#include "files/filebytes.h"
#include "files/openroad.h"
#include "model/trtext.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTextStream>
#include <cerrno>
#include <cstring>

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

// Translated as they are used, once a translator may be loaded.
constexpr TrText kDescription{
    "CommandLine",
    QT_TRANSLATE_NOOP("CommandLine",
                      "Edits the build lists (.ai files) of a real-time strategy game's computer\n"
                      "players. Without options it opens its window, and FILE in it; a FILE that\n"
                      "does not exist yet starts an empty build list that Save writes there.\n"
                      "Files of more than 4 MiB are refused, as the window refuses them.\n"
                      "\n"
                      "Exit status: 0 all went well (--check: every file sound), 1 --check found\n"
                      "a problem, 2 a file refused or not written, or a wrong command line.")};

constexpr TrText kCopyright{
    "CommandLine", QT_TRANSLATE_NOOP("CommandLine", "Copyright (c) the Vexdit developers. MIT licence.")};

// What --help-all adds: the window system's options, taken only when the
// window starts.
constexpr TrText kWindowOptionsHelp{
    "CommandLine",
    QT_TRANSLATE_NOOP("CommandLine",
                      "\nWindow options (only without --check, --normalize, --help, --version):\n"
                      "  -platform <name>         The window system plugin (xcb, wayland...).\n"
                      "  -display <name>          The X display to open the window on.\n"
                      "  -style <name>            The widget style.\n"
                      "  -stylesheet <file>       A style sheet for the window.\n"
                      "  -reverse                 Lays the window out right to left.\n"
                      "  -qwindowgeometry <geom>  The window's size and place.\n"
                      "  -qwindowtitle <title>    The window's title.\n")};

// A file read and made into what Open shows, or nothing with the reason
// told on err.
struct OpenedFile {
    ReadOutcome read;
    OpenedText opened;
};

// A message about one file, as the GNU tools give it: "vexdit: FILE: why".
QTextStream& aboutFile(QTextStream& err, const QString& path)
{
    return err << QCoreApplication::applicationName() << ": " << path << ": ";
}

std::optional<OpenedFile> openAsTheEditorWould(const QString& path, const Catalog& catalog, QTextStream& err)
{
    ReadOutcome read = path == QLatin1String("-") ? readStandardInput() : readBuildList(path);
    if (!read.text) {
        aboutFile(err, path) << reasonFor(read) << Qt::endl;
        return std::nullopt;
    }
    if (!read.leftoverBackup.isEmpty())
        aboutFile(err, path) << QCoreApplication::translate(
                                    "CommandLine", "a save that did not finish left the old file in %1")
                                    .arg(read.leftoverBackup)
                             << Qt::endl;
    OpenedText opened = prepareOpenedText(*read.text, catalog);
    if (opened.hasTab) {
        aboutFile(err, path) << QCoreApplication::translate("CommandLine",
                                                            "holds a tab character; fix it by hand")
                             << Qt::endl;
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
    case SaveStatus::ChangedOnDisk:
        return QCoreApplication::translate("CommandLine", "changed on disk while it was read or written");
    case SaveStatus::NoBackup:
        return QCoreApplication::translate(
                   "CommandLine",
                   "no copy of the old file could be kept (%1), and it is not rewritten without one")
            .arg(outcome.why);
    case SaveStatus::NotTheFileRead:
        return QCoreApplication::translate("CommandLine", "replaced or moved while it was read");
    case SaveStatus::TooLarge:
        return QCoreApplication::translate("CommandLine", "would be larger than 4 MiB");
    default:
        return outcome.keptBackup.isEmpty()
                   ? outcome.why
                   : QCoreApplication::translate("CommandLine", "%1; the old file is kept in %2")
                         .arg(outcome.why, outcome.keptBackup);
    }
}

int normalize(const QStringList& files, const Catalog& catalog, QTextStream& out, QTextStream& err)
{
    int code = kSound;
    for (const QString& path : files) {
        if (path == QLatin1String("-")) {
            aboutFile(err, path) << QCoreApplication::translate("CommandLine",
                                                                "standard input has no file to rewrite")
                                 << Qt::endl;
            code = kUnreadable;
            continue;
        }
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
            out << path << ": " << QCoreApplication::translate("CommandLine", "unchanged") << Qt::endl;
            continue;
        }
        const SaveOutcome saved = saveOver(*file->read.file, bytes);
        if (!saved.saved()) {
            aboutFile(err, path)
                << QCoreApplication::translate("CommandLine", "not written: %1").arg(whyNotWritten(saved))
                << Qt::endl;
            code = kUnreadable;
            continue;
        }
        out << path << ": " << QCoreApplication::translate("CommandLine", "normalized") << Qt::endl;
        if (!saved.warning.isEmpty()) {
            aboutFile(err, path)
                << QCoreApplication::translate("CommandLine", "written, but %1").arg(saved.warning)
                << Qt::endl;
            code = kUnreadable;
        }
    }
    return code;
}

} // namespace

// Standard input, read as Open reads a file: at most 4 MiB, no NUL byte.
ReadOutcome readStandardInput()
{
    ReadOutcome read;
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly)) {
        read.whyNot = QCoreApplication::translate("CommandLine", "cannot be read");
        return read;
    }
    // A pipe gives what it holds at the moment: read on to its end, or
    // until the limit is passed.
    QByteArray bytes;
    while (bytes.size() <= kMaxFileSize) {
        const QByteArray more = in.read(kMaxFileSize + 1 - bytes.size());
        if (more.isEmpty())
            break;
        bytes += more;
    }
    if (in.error() != QFileDevice::NoError) {
        read.whyNot = QCoreApplication::translate("CommandLine", "cannot be read");
        return read;
    }
    if (bytes.size() > kMaxFileSize)
        read.whyNot = QCoreApplication::translate("CommandLine", "larger than 4 MiB");
    else if (bytes.contains('\0'))
        read.whyNot = QCoreApplication::translate("CommandLine", "holds a NUL byte");
    else
        read.text = QString::fromLatin1(bytes);
    return read;
}

namespace {

// "17" as a line number, from 1; nothing for anything else.
std::optional<int> lineNumber(const QString& text)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,9}$"));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    const int line = text.toInt();
    return line > 0 ? std::optional<int>(line) : std::nullopt;
}

} // namespace

CommandLineOutcome runCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err,
                                  bool windowSystemPresent)
{
    auto endWith = [](int code) { return CommandLineOutcome{code, QString()}; };
    const QString name = QCoreApplication::applicationName();
    auto refuse = [&](const QString& why) {
        err << name << ": " << why << Qt::endl
            << QCoreApplication::translate("CommandLine", "Try '%1 --help' for more information.").arg(name)
            << Qt::endl;
        return endWith(kUnreadable);
    };
    QCommandLineParser parser;
    // -platform, -display and the other window options are single-dash words.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(kDescription);
    const QCommandLineOption checkOption(
        QStringLiteral("check"),
        QCoreApplication::translate(
            "CommandLine", "Checks each file's order: would the picker have offered each line where it "
                           "stands? Prints FILE:LINE: message per problem. FILE - is standard input."));
    const QCommandLineOption normalizeOption(
        QStringLiteral("normalize"),
        QCoreApplication::translate("CommandLine",
                                    "Rewrites each file as Open followed by Save would: CR LF breaks, "
                                    "48-character lines, names from numbers."));
    parser.addOption(checkOption);
    parser.addOption(normalizeOption);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        QCoreApplication::translate("CommandLine",
                                    "A build list to open in the window (- reads standard input), at the "
                                    "file's line LINE when written +LINE FILE or FILE:LINE; with --check or "
                                    "--normalize, any number."),
        QStringLiteral("[+LINE] [FILE[:LINE]...]"));

    if (!parser.parse(arguments)) {
        // Qt's window options serve the window only: with an option of the
        // program's own, the command line has no window to give them to.
        // (optionNames() holds the program's own options found.)
        bool onlyWindowOptions = !parser.unknownOptionNames().isEmpty() && parser.optionNames().isEmpty();
        for (const QString& unknown : parser.unknownOptionNames())
            onlyWindowOptions = onlyWindowOptions && kWindowOptions.contains(unknown);
        if (onlyWindowOptions && !windowSystemPresent)
            return {}; // decided again once the window system has taken its own
        return refuse(parser.errorText());
    }
    if (parser.isSet(QStringLiteral("help-all"))) {
        out << parser.helpText() << kWindowOptionsHelp;
        return endWith(kSound);
    }
    if (parser.isSet(help)) {
        out << parser.helpText();
        return endWith(kSound);
    }
    if (parser.isSet(version)) {
        out << name << ' ' << QCoreApplication::applicationVersion() << Qt::endl << kCopyright << Qt::endl;
        return endWith(kSound);
    }
    const bool checking = parser.isSet(checkOption);
    const bool normalizing = parser.isSet(normalizeOption);
    const QStringList files = parser.positionalArguments();
    if (!checking && !normalizing) {
        // +LINE FILE, unless a file is called "+LINE".
        const QString first = files.value(0);
        if (files.size() == 2 && first.startsWith(QLatin1Char('+')) && !QFileInfo::exists(first)) {
            const std::optional<int> line = lineNumber(first.mid(1));
            if (!line)
                return refuse(
                    QCoreApplication::translate("CommandLine", "invalid line number '%1'").arg(first));
            return {std::nullopt, files.at(1), *line};
        }
        if (files.size() > 1)
            return refuse(QCoreApplication::translate("CommandLine", "the window opens one FILE at a time"));
        // FILE:LINE, unless a file is called so.
        const qsizetype colon = first.lastIndexOf(QLatin1Char(':'));
        if (colon > 0 && !QFileInfo::exists(first))
            if (const std::optional<int> line = lineNumber(first.mid(colon + 1)))
                return {std::nullopt, first.left(colon), *line};
        return {std::nullopt, first};
    }
    if (checking && normalizing)
        return refuse(QCoreApplication::translate("CommandLine", "--check and --normalize go one at a time"));
    if (files.isEmpty())
        return refuse(QCoreApplication::translate("CommandLine", "name at least one FILE"));
    Catalog catalog;
    catalog.fill();
    return endWith(checking ? check(files, catalog, out, err) : normalize(files, catalog, out, err));
}

int finishOutput(int code, QTextStream& out, QTextStream& err)
{
    out.flush();
    const auto* file = qobject_cast<QFileDevice*>(out.device());
    const bool fileFailed = file && file->error() != QFileDevice::NoError;
    if (out.status() == QTextStream::Ok && !fileFailed)
        return code;
    err << QCoreApplication::applicationName() << ": "
        << QCoreApplication::translate("CommandLine", "write error: %1")
               .arg(fileFailed ? file->errorString() : QString::fromLocal8Bit(std::strerror(EIO)))
        << Qt::endl;
    return kUnreadable;
}

bool canOpenWindow(const QStringList& arguments, const QProcessEnvironment& environment)
{
    for (const QString& argument : arguments)
        if (argument == QLatin1String("-platform") || argument == QLatin1String("-display")
            || argument.startsWith(QLatin1String("-platform="))
            || argument.startsWith(QLatin1String("-display=")))
            return true; // the user said where
    const QString platform = environment.value(QStringLiteral("QT_QPA_PLATFORM"));
    if (!platform.isEmpty() && !platform.startsWith(QLatin1String("xcb"))
        && !platform.startsWith(QLatin1String("wayland")))
        return true; // a platform that needs no display server
    return !environment.value(QStringLiteral("DISPLAY")).isEmpty()
           || !environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty();
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
