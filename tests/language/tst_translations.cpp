#include "about/window/aboutbox.h"
#include "app/mainwindow.h"
#include "language/translations.h"
#include "search/window/checkorderwindow.h"
#include "search/window/countwindow.h"
#include "search/window/finddialog.h"
#include "support/controls.h"
#include "support/formfixture.h"
#include "widgets/decorationlabel.h"

#include "support/nowarnings.h"
#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QStyle>
#include <QTest>
#include <QXmlStreamReader>

namespace {

// What a translation must keep of its source: every %N, an access key where
// the source has one, and the spaces and breaks at either end.
QString whatIsLost(const QString& source, const QString& translation)
{
    auto placeholders = [](const QString& text) {
        QSet<QString> found;
        for (const QRegularExpressionMatch& m : QRegularExpression(QStringLiteral("%\\d")).globalMatch(text))
            found.insert(m.captured());
        return found;
    };
    auto accessKeys = [](const QString& text) {
        return int(text.count(QRegularExpression(QStringLiteral("&[^&\\s]"))));
    };
    auto ends = [](const QString& text) {
        const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("^(\\s*).*?(\\s*)$"),
                                                             QRegularExpression::DotMatchesEverythingOption)
                                              .match(text);
        return m.captured(1) + QLatin1Char('|') + m.captured(2);
    };
    if (translation.isEmpty())
        return QStringLiteral("no translation");
    if (placeholders(source) != placeholders(translation))
        return QStringLiteral("placeholders differ");
    if (accessKeys(source) != accessKeys(translation))
        return QStringLiteral("access keys differ");
    if (ends(source) != ends(translation))
        return QStringLiteral("spaces at the ends differ");
    return QString();
}

// Every control with a caption in `window` that is cut short, leaves its
// parent or covers a sibling, named with its caption.
QStringList crampedCaptions(QWidget* window)
{
    QStringList cramped;
    const QList<QWidget*> controls = window->findChildren<QWidget*>();
    for (QWidget* control : controls) {
        QString caption;
        // A push button asks for more than its caption needs; the caption
        // shows whole inside its frame.
        int needed = 0;
        if (auto* button = qobject_cast<QPushButton*>(control)) {
            caption = button->text();
            needed = button->fontMetrics().horizontalAdvance(QString(caption).remove(QLatin1Char('&')))
                     + 2 * button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            caption = button->text();
            needed = button->sizeHint().width();
        } else if (qobject_cast<QLabel*>(control) && !qobject_cast<DecorationLabel*>(control)) {
            caption = qobject_cast<QLabel*>(control)->text();
            needed = control->sizeHint().width();
        }
        if (caption.isEmpty() || !control->isVisibleTo(window))
            continue;
        const QRect place = control->geometry();
        QString why;
        if (needed > place.width())
            why = QStringLiteral("cut short (%1 of %2 pixels)").arg(place.width()).arg(needed);
        else if (!control->parentWidget()->rect().contains(place))
            why = QStringLiteral("outside its parent");
        for (QWidget* sibling : control->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (why.isEmpty() && sibling != control && sibling->isVisibleTo(window) && !sibling->isWindow()
                && sibling->geometry().intersects(place))
                why = QStringLiteral("over ") + sibling->objectName();
        if (!why.isEmpty())
            cramped << caption + QStringLiteral(": ") + why;
    }
    return cramped;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void init() { failOnUnexpectedWarnings(); }

    void everyMessageKeepsWhatTheProgramNeeds()
    {
        QFile file(QStringLiteral(VEXDIT_GERMAN_TS));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader ts(&file);
        QString source;
        QStringList faults;
        int messages = 0;
        while (!ts.atEnd()) {
            if (ts.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (ts.name() == QLatin1String("source")) {
                source = ts.readElementText();
            } else if (ts.name() == QLatin1String("translation")) {
                ++messages;
                const bool finished = ts.attributes().value(QLatin1String("type")).isEmpty();
                const QString lost =
                    finished ? whatIsLost(source, ts.readElementText()) : QStringLiteral("not finished");
                if (!lost.isEmpty())
                    faults << source + QStringLiteral(": ") + lost;
            }
        }
        QVERIFY2(!ts.hasError(), qPrintable(ts.errorString()));
        QVERIFY(messages > 200);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    void captionsFitTheirControls_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("shown"); // empty: the sources' English
        QTest::newRow("English") << "en_GB"
                                 << "";
        QTest::newRow("German") << "de_DE"
                                << "de";
        // Qt has French for its dialogs, the program has none: both stay English.
        QTest::newRow("French") << "fr_FR"
                                << "";
    }
    void captionsFitTheirControls()
    {
        QFETCH(QString, locale);
        QFETCH(QString, shown);
        Translations translations(QLocale(locale), QStringLiteral(VEXDIT_TRANSLATIONS_DIR),
                                  QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        QCOMPARE(translations.language().left(2), shown);
        translations.install();
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes") == QLatin1String("&Yes"),
                 shown.isEmpty());

        FormFixture f;
        AboutBox about;
        FindDialog find;
        QList<QWidget*> windows{&f.form, &f.form2, f.windows.checkOrderWindow.get(), &about, &find};
        for (QWidget* window : windows)
            window->show();
        QCOMPARE(ui(f.form).appendButton->text().startsWith(QLatin1String("Anh")), !shown.isEmpty());
        for (bool lines : {false, true}) {
            QStringList cramped;
            for (QWidget* window : windows)
                cramped += crampedCaptions(window);
            QVERIFY2(cramped.isEmpty(), qPrintable(cramped.join(QLatin1Char('\n'))));
            if (!lines)
                QTest::mouseClick(ui(f.form).modeButton, Qt::LeftButton);
        }
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
