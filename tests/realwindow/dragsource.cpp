// A drag source of another program, as a file manager is: its window starts
// a drag of the files named on its command line when pressed. It stays to
// hand the files over when the drop asks for them, and ends when its
// standard input closes.
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QSocketNotifier>
#include <QUrl>
#include <QWidget>

#include <unistd.h>

class DragSource : public QWidget {
public:
    explicit DragSource(const QList<QUrl>& urls) : urls_(urls)
    {
        setWindowTitle(QStringLiteral("Drag Source"));
        resize(120, 120);
    }

protected:
    void mousePressEvent(QMouseEvent*) override
    {
        auto* data = new QMimeData;
        data->setUrls(urls_);
        auto* drag = new QDrag(this);
        drag->setMimeData(data);
        drag->exec(Qt::CopyAction);
    }

private:
    QList<QUrl> urls_;
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false); // only its input ends it
    QList<QUrl> urls;
    for (const QString& argument : app.arguments().mid(1))
        urls << QUrl::fromUserInput(argument);
    DragSource source(urls);
    source.move(0, 0);
    source.show();
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&app] {
        char byte;
        if (::read(STDIN_FILENO, &byte, 1) <= 0)
            app.quit();
    });
    return app.exec();
}
