#include "app/screenreaderinterfaces.h"
#include "buildlist/window/steppededit.h"

#include <QAbstractItemView>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPointer>
#include <QWindow>

namespace {

// A label read only by the name given to it: a status panel, whose name
// the bar keeps current. Without one (the ruler, a picture, the empty
// panel) it is only for the eye, and assistive tools are told it is
// nothing: invisible, without a role or text.
class NamedLabelInterface : public QAccessibleWidget {
public:
    explicit NamedLabelInterface(QWidget* widget) : QAccessibleWidget(widget, QAccessible::StaticText) {}
    bool named() const { return !widget()->accessibleName().isEmpty(); }
    QAccessible::Role role() const override
    {
        return named() ? QAccessible::StaticText : QAccessible::NoRole;
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = state.invisible || !named();
        state.focusable = false;
        return state;
    }
    QString text(QAccessible::Text t) const override
    {
        return named() ? QAccessibleWidget::text(t) : QString();
    }
};

// An item box, named by what it is for, with the item it shows as its
// value, without the blanks the catalog pads names with. On Linux Qt
// would name it by the item shown.
class ItemBoxInterface : public QAccessibleWidget {
public:
    explicit ItemBoxInterface(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox)
    {
        addControllingSignal(QStringLiteral("currentIndexChanged(int)"));
    }
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return box()->currentText().trimmed();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = box()->view()->isVisible();
        state.editable = box()->isEditable();
        return state;
    }
    // The drop-down list, then the text field, as Qt's own combo box has.
    int childCount() const override { return box()->lineEdit() ? 2 : 1; }
    QAccessibleInterface* child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(box()->view());
        if (index == 1 && box()->lineEdit())
            return QAccessible::queryAccessibleInterface(box()->lineEdit());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (!child)
            return -1;
        if (child->object() == box()->view())
            return 0;
        if (box()->lineEdit() && child->object() == box()->lineEdit())
            return 1;
        return -1;
    }
    QStringList actionNames() const override
    {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override
    {
        if (name == showMenuAction() || name == pressAction())
            box()->showPopup();
        else
            QAccessibleWidget::doAction(name);
    }
};

// A number box that an up-down spinner steps, read as a spin box: its
// number is its value, its text can be read and edited as a line edit's.
class SteppedEditInterface : public QAccessibleWidget,
                             public QAccessibleValueInterface,
                             public QAccessibleTextInterface,
                             public QAccessibleEditableTextInterface {
public:
    explicit SteppedEditInterface(SteppedEdit* box) : QAccessibleWidget(box, QAccessible::SpinBox) {}
    SteppedEdit* box() const { return static_cast<SteppedEdit*>(widget()); }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        switch (type) {
        case QAccessible::ValueInterface: return static_cast<QAccessibleValueInterface*>(this);
        case QAccessible::TextInterface: return static_cast<QAccessibleTextInterface*>(this);
        case QAccessible::EditableTextInterface: return static_cast<QAccessibleEditableTextInterface*>(this);
        default: return QAccessibleWidget::interface_cast(type);
        }
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return box()->text();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !box()->isReadOnly();
        state.selectableText = true;
        return state;
    }

    // The value.
    QVariant currentValue() const override { return box()->value(); }
    void setCurrentValue(const QVariant& value) override { box()->setText(QString::number(value.toInt())); }
    QVariant maximumValue() const override { return box()->maximum(); }
    QVariant minimumValue() const override { return box()->minimum(); }
    QVariant minimumStepSize() const override { return 1; }

    // The text, as a line edit's.
    void selection(int index, int* start, int* end) const override
    {
        *start = *end = 0;
        if (index == 0 && box()->hasSelectedText()) {
            *start = box()->selectionStart();
            *end = box()->selectionEnd();
        }
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override
    {
        if (index == 0)
            box()->deselect();
    }
    void setSelection(int index, int start, int end) override
    {
        if (index == 0)
            box()->setSelection(start, end - start);
    }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    QString text(int start, int end) const override { return box()->text().mid(start, end - start); }
    int characterCount() const override { return int(box()->text().size()); }
    QRect characterRect(int offset) const override
    {
        // The box is a few characters wide and never scrolls.
        const QString shown = box()->text();
        if (offset < 0 || offset >= shown.size())
            return QRect();
        const QFontMetrics metrics = box()->fontMetrics();
        const QRect contents = box()->contentsRect();
        const int x = contents.left() + metrics.horizontalAdvance(shown.left(offset));
        const QRect local(x, contents.top(), metrics.horizontalAdvance(shown.at(offset)), contents.height());
        return QRect(box()->mapToGlobal(local.topLeft()), local.size());
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int) override { box()->setCursorPosition(start); }
    QString attributes(int offset, int* start, int* end) const override
    {
        *start = *end = offset;
        return QString();
    }
    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override
    {
        QString changed = box()->text();
        changed.replace(start, end - start, text);
        box()->setText(changed);
    }
};

// The application, named as its launcher names it (the desktop entry's
// Name), not by the title its message boxes carry.
class ProgramInterface : public QAccessibleApplication {
public:
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return QStringLiteral("Vexdit");
        return QAccessibleApplication::text(t);
    }
};

QAccessibleInterface* programFactory(const QString& className, QObject* object)
{
    if (object && object == QCoreApplication::instance())
        return new ProgramInterface;
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("DecorationLabel") || className == QLatin1String("StatusPanel"))
        return new NamedLabelInterface(widget);
    if (className == QLatin1String("SteppedEdit"))
        return new SteppedEditInterface(static_cast<SteppedEdit*>(widget));
    if (className == QLatin1String("CompletingComboBox"))
        return new ItemBoxInterface(static_cast<QComboBox*>(widget));
    if (className == QLatin1String("Announcer"))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    if (className == QLatin1String("CountWindow") || className == QLatin1String("CheckOrderWindow")
        || className == QLatin1String("HelpWindow"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

// A window that hands the keyboard to a menu popping up over it, and
// takes it back as the menu closes, stays the active window throughout;
// Qt would still tell screen readers it became active again each time,
// and they announce its frame after every use of a menu.
class MenuFocusQuietener : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!watched->isWindowType()
            || (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut))
            return QObject::eventFilter(watched, event);
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const QWidget* active = QApplication::activeWindow();
        // Going to a menu, the window stays active; coming back from one,
        // it is active already (a window that really becomes active is
        // told so before it is made the active window).
        const bool toMenu = event->type() == QEvent::FocusOut && reason == Qt::PopupFocusReason;
        const bool fromMenu = event->type() == QEvent::FocusIn && reason != Qt::TabFocusReason
                              && reason != Qt::BacktabFocusReason && active
                              && active->windowHandle() == watched;
        return toMenu || fromMenu;
    }
};

} // namespace

void installScreenReaderInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(programFactory);
        return true;
    }();
    Q_UNUSED(installed);
    static QPointer<MenuFocusQuietener> quietener;
    if (qApp && !quietener) {
        quietener = new MenuFocusQuietener(qApp);
        qApp->installEventFilter(quietener);
    }
}
