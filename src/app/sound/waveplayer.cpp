// The wave player, a module of its own: Qt Multimedia and everything it
// pulls in are loaded on the first sound, not at every start of the editor.
#include <QApplication>
#include <QSoundEffect>
#include <QUrl>

extern "C" Q_DECL_EXPORT void vexditPlayWave(const QString& path)
{
    static QSoundEffect* effect = nullptr;
    static QString loaded;
    if (!effect) {
        effect = new QSoundEffect(qApp);
        QObject::connect(effect, &QSoundEffect::statusChanged, qApp, [] {
            if (effect->status() == QSoundEffect::Error)
                QApplication::beep();
        });
    }
    if (loaded != path) {
        effect->setSource(QUrl::fromLocalFile(path));
        loaded = path;
    }
    effect->play();
}
