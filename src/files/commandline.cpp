#include "files/commandline.h"
#include "buildlist/ordercheck.h"
#include "catalog/catalog.h"
#include "editing/textcopy.h"
#include "files/filebytes.h"
#include "files/keepingsave.h"
#include "files/openroad.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace {

constexpr int kSound = 0;
constexpr int kProblems = 1;
constexpr int kUnreadable = 2;

// Options Qt's window system takes for itself; given alone, they ask for
// the window.
const QStringList kWindowOptions = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon",
    "qwindowtitle", "reverse", "session", "style", "stylesheet", "widgetcount", "display", "geometry",
    "name", "title", "visual", "ncols", "cmap", "nograb", "dograb", "sync"};

// The file as Open shows it, or nothing with the reason told on err.
std::optional<OpenedText> openAsTheEditorWould(const QString& path, const Catalog& catalog,
                                               QString* original, QTextStream& err)
{
    QString whyNot;
    const std::optional<QString> text = readBuildListFile(path, &whyNot);
    if (!text) {
        err << path << ": " << whyNot << Qt::endl;
        return std::nullopt;
    }
    OpenedText opened = prepareOpenedText(*text, catalog);
    if (opened.hasTab) {
        err << path << ": holds a tab character; fix it by hand" << Qt::endl;
        return std::nullopt;
    }
    if (original)
        *original = *text;
    return opened;
}

int check(const QStringList& files, const Catalog& catalog, QTextStream& out, QTextStream& err)
{
    int code = kSound;
    for (const QString& path : files) {
        const std::optional<OpenedText> opened = openAsTheEditorWould(path, catalog, nullptr, err);
        if (!opened) {
            code = kUnreadable;
            continue;
        }
        for (const OrderProblem& problem : checkOrder(catalog, opened->lines)) {
            out << path << ':' << problem.line << ": " << problem.message << Qt::endl;
            code = qMax(code, kProblems);
        }
    }
    return code;
}

int normalize(const QStringList& files, const Catalog& catalog, QTextStream& out, QTextStream& err)
{
    int code = kSound;
    for (const QString& path : files) {
        QString original;
        const std::optional<OpenedText> opened = openAsTheEditorWould(path, catalog, &original, err);
        if (!opened) {
            code = kUnreadable;
            continue;
        }
        // What Save writes after Open: the lines as shown, joined by CR LF,
        // with a final break where the file had one.
        const QByteArray bytes = joinLines(opened->lines, u"\r\n", opened->endsWithBreak).toLatin1();
        if (bytes == original.toLatin1()) {
            out << path << ": unchanged" << Qt::endl;
            continue;
        }
        if (!saveKeepingTheFile(path, bytes)) {
            err << path << ": cannot be written" << Qt::endl;
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
