// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/common_qt.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QByteArray>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPageSize>
#include <QPalette>
#include <QPdfWriter>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QScreen>
#include <QSize>
#include <QTimer>
#include <QToolButton>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <string>

#include "records/cp1252.h"
#include "teach/status_panel.h"
#include "views/announcer_qt.h"

namespace sb {

BusyCursor::BusyCursor()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyCursor::~BusyCursor()
{
    QGuiApplication::restoreOverrideCursor();
}

namespace {

// A button, check box or option as assistive technology sees it. Qt's own toggles a check box
// or option without a click, so no handler would hear of it; this one clicks. A button that
// does not toggle is pressed as Qt presses it, a moment later, so that a window it opens does
// not hold up the screen reader's call.
class ClickingButton final : public QAccessibleWidget {
public:
    explicit ClickingButton(QAbstractButton* b)
        : QAccessibleWidget(b, qobject_cast<QCheckBox*>(b) != nullptr ? QAccessible::CheckBox
                               : qobject_cast<QRadioButton*>(b) != nullptr
                                   ? QAccessible::RadioButton
                                   : QAccessible::Button)
    {
    }
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            QString caption = button()->text();
            return caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
                .remove(QLatin1Char('&'))
                .replace(QLatin1Char('\x01'), QLatin1Char('&'));
        }
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        const auto* box = qobject_cast<const QCheckBox*>(button());
        const auto* push = qobject_cast<const QPushButton*>(button());
        s.checkable = button()->isCheckable();
        s.checked = button()->isChecked();
        s.defaultButton = push != nullptr && push->isDefault();
        s.checkStateMixed = box != nullptr && box->checkState() == Qt::PartiallyChecked;
        s.pressed = button()->isDown();
        return s;
    }
    QStringList actionNames() const override
    {
        QStringList names;
        if (widget()->isEnabled()) {
            names << (button()->isCheckable() ? toggleAction() : pressAction());
        }
        return names + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override
    {
        if (action == toggleAction() || action == pressAction()) {
            if (!widget()->isEnabled()) {
                return;
            }
            if (button()->isCheckable()) {
                button()->click();
            } else {
                button()->animateClick();
            }
            return;
        }
        QAccessibleWidget::doAction(action);
    }
    QStringList keyBindingsForAction(const QString& action) const override
    {
        if (action == toggleAction()) {
            return {QKeySequence(Qt::Key_Space).toString(QKeySequence::NativeText)};
        }
        return QAccessibleWidget::keyBindingsForAction(action);
    }
};

QAccessibleInterface* clickingButtonFactory(const QString&, QObject* object)
{
    // Asked for when the button is made (while assistive technology listens), before it may
    // become checkable; tool buttons keep Qt's own, which knows their menus.
    auto* b = qobject_cast<QAbstractButton*>(object);
    if (b == nullptr || qobject_cast<QToolButton*>(object) != nullptr) {
        return nullptr;
    }
    return new ClickingButton(b);
}

} // namespace

bool saveWholeFile(const QString& path, std::string_view bytes)
{
    QSaveFile file(path);
    const auto size = static_cast<qint64>(bytes.size());
    return file.open(QIODevice::WriteOnly) && file.write(bytes.data(), size) == size &&
           file.commit();
}

bool savePdfFile(const QString& path, const QString& title, QPageLayout::Orientation orientation,
                 const QMarginsF& margins, const std::function<void(QPagedPaintDevice&)>& paint)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    {
        // The writer finishes the document when it goes, before the file is committed.
        QPdfWriter writer(&file);
        writer.setTitle(title);
        writer.setCreator(programTitle());
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageOrientation(orientation);
        writer.setPageMargins(margins, QPageLayout::Millimeter);
        paint(writer);
    }
    return file.commit();
}

QString programTitle()
{
    return QString::fromLatin1(kProgramTitle.data(), static_cast<qsizetype>(kProgramTitle.size()));
}

QPushButton* pushButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& tip)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(tip);
    b->setAutoDefault(false);
    return b;
}

std::filesystem::path localPath(const QString& path)
{
    const QByteArray utf8 = path.toUtf8();
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

QFont arial(double pointSize, bool bold)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    return f;
}

QString toQString(std::string_view cp1252)
{
    const std::string utf8 = cp1252ToUtf8(cp1252);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::optional<std::string> toCp1252(const QString& text)
{
    for (const QChar ch : text) {
        if (ch.category() == QChar::Other_Control) {
            return std::nullopt;
        }
    }
    const QByteArray utf8 = text.toUtf8();
    std::string bytes = utf8ToCp1252(std::string_view(utf8.constData(), utf8.size()));
    // A character outside the code page comes back as '?': only a text that comes back whole
    // was all in it.
    if (toQString(bytes) != text) {
        return std::nullopt;
    }
    return bytes;
}

int twipsToPixels(double twips, const QWidget* w)
{
    return qRound(twips * w->logicalDpiX() / 1440.0);
}

double pixelsToTwips(double pixels, const QWidget* w)
{
    return pixels * 1440.0 / w->logicalDpiX();
}

double screenFit(const QWidget* w)
{
    const QScreen* screen = w->screen() != nullptr ? w->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return 1.0;
    }
    // The window as designed is 5.9 by 8.2 inches with its frame; this leaves room for a
    // title bar.
    const QSize free = screen->availableGeometry().size();
    const double byHeight = free.height() / (w->logicalDpiY() * 5.9);
    const double byWidth = free.width() / (w->logicalDpiX() * 8.2);
    return std::clamp(std::min(byHeight, byWidth), 0.6, 1.0);
}

namespace {

double luminance(const QColor& c)
{
    const auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void paintBackground(QWidget* label, const QColor& background)
{
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, background);
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    pal.setColor(QPalette::WindowText,
                 contrastRatio(black, background) >= contrastRatio(white, background) ? black
                                                                                      : white);
    label->setAutoFillBackground(true);
    label->setPalette(pal);
}

namespace {

QColor readableOn(const QColor& wanted, const QColor& background)
{
    // Towards white on a dark background, towards black on a light one, in small steps.
    const QColor end = luminance(background) < 0.18 ? QColor(Qt::white) : QColor(Qt::black);
    QColor text = wanted;
    for (int step = 1; step <= 20 && contrastRatio(text, background) < 4.6; ++step) {
        const double t = step / 20.0;
        text = QColor::fromRgbF(
            static_cast<float>(wanted.redF() + (end.redF() - wanted.redF()) * t),
            static_cast<float>(wanted.greenF() + (end.greenF() - wanted.greenF()) * t),
            static_cast<float>(wanted.blueF() + (end.blueF() - wanted.blueF()) * t));
    }
    return text;
}

// Keeps a tinted label readable when the desktop's palette changes while the program runs (a
// switch to a dark theme): the text colour is worked out again against the new background.
class TextTint final : public QObject {
public:
    TextTint(QWidget* label, const QColor& wanted) : QObject(label), m_wanted(wanted)
    {
        setObjectName(QStringLiteral("textTint"));
        label->installEventFilter(this);
    }
    void apply(QWidget* label) const
    {
        QPalette pal = label->palette();
        const QColor text = readableOn(m_wanted, pal.color(QPalette::Window));
        if (pal.color(QPalette::WindowText) != text ||
            !(pal.resolveMask() & (QPalette::ResolveMask(1) << QPalette::WindowText))) {
            pal.setColor(QPalette::WindowText, text);
            label->setPalette(pal);
        }
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::PaletteChange) {
            apply(static_cast<QWidget*>(watched));
        }
        return false;
    }

private:
    QColor m_wanted;
};

} // namespace

void tintText(QWidget* label, const QColor& wanted)
{
    auto* tint =
        label->findChild<TextTint*>(QStringLiteral("textTint"), Qt::FindDirectChildrenOnly);
    if (tint == nullptr) {
        tint = new TextTint(label, wanted);
    }
    tint->apply(label);
}

double growth(const QSize& now, const QSize& normal)
{
    if (normal.isEmpty()) {
        return 1.0;
    }
    return std::max(1.0, std::min(static_cast<double>(now.width()) / normal.width(),
                                  static_cast<double>(now.height()) / normal.height()));
}

void followTimer(QTimer* timer, bool enabled)
{
    if (enabled && !timer->isActive()) {
        timer->start();
    } else if (!enabled && timer->isActive()) {
        timer->stop();
    }
}

void followValue(QComboBox* box, const QString& text)
{
    bool isNumber = false;
    const int value = text.trimmed().toInt(&isNumber);
    int item = -1;
    for (int i = 0; isNumber && item < 0 && i < box->count(); ++i) {
        bool itemIsNumber = false;
        if (box->itemText(i).trimmed().toInt(&itemIsNumber) == value && itemIsNumber) {
            item = i;
        }
    }
    if (box->currentIndex() != item) {
        box->setCurrentIndex(item);
    }
    if (box->currentText() != text) {
        box->setEditText(text);
    }
}

void useClickingAccessibleButtons()
{
    // The factory installed last is asked first, before Qt's own.
    static const bool installed = [] {
        QAccessible::installFactory(clickingButtonFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

bool pressFocusedOnEnter(QWidget* window, const QKeyEvent* key)
{
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (!enter || key->isAutoRepeat() ||
        (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return false;
    }
    auto* button = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
    if (button == nullptr || !button->isEnabled() || button->window() != window) {
        return false;
    }
    button->click();
    return true;
}

bool keepEnterFromDefault(QWidget* window, const QKeyEvent* key)
{
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    return pressFocusedOnEnter(window, key) ||
           (enter && qobject_cast<QAbstractItemView*>(window->focusWidget()) != nullptr);
}

void nameWithValue(QComboBox* box, const QString& label)
{
    const QString plain = QString(label).remove(QLatin1Char('&'));
    const auto name = [box, plain] {
        box->setAccessibleName(plain + QLatin1Char(' ') + box->currentText());
        box->setAccessibleDescription(box->currentText());
    };
    name();
    QObject::connect(box, &QComboBox::currentIndexChanged, box, [box, name] {
        name();
        // Arrowed through while closed: a screen reader hears no list, so the value is said.
        if (box->hasFocus() && !box->view()->isVisible()) {
            sayAside(box, box->currentText());
        }
    });
}

} // namespace sb
