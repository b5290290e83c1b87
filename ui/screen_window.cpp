// Builds the widgets of a screen from its description and binds their events.
#include "ui/screen_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyle>

#include "shell/controller.h"
#include "ui/drawings.h"

namespace entalix::ui {

using shell::Align;
using shell::ControlDesc;
using shell::ControlKind;

int px(int twips) { return (twips + 7) / 15; }

namespace {

QString qs(const std::string& text) { return QString::fromStdString(text); }

// Labels break lines at CR LF; Qt wants a bare line feed.
QString display_text(const std::string& text) { return qs(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

Qt::Alignment alignment(Align align) {
    switch (align) {
        case Align::Center:
            return Qt::AlignHCenter;
        case Align::Right:
            return Qt::AlignRight;
        case Align::Left:
            break;
    }
    return Qt::AlignLeft;
}

// A label keeps the text as written (with CR LF) beside the text it displays.
constexpr const char* kTextProperty = "entalixText";

// The smallest type a caption may shrink to so that it fits its place.
constexpr int kSmallestPixelSize = 9;

// A one-line caption wider than its place is set in a smaller type rather than
// wrapped out of sight or cut.
void fit_width(QWidget* widget, const QString& text, int room) {
    QFont font = widget->font();
    while (font.pixelSize() > kSmallestPixelSize && QFontMetrics(font).horizontalAdvance(text) > room)
        font.setPixelSize(font.pixelSize() - 1);
    widget->setFont(font);
}

// The width a one-line label can use: its own, or less where a control to its
// right on the same line starts inside it (a unit label that reaches under a button).
int room_of(const QLabel* label) {
    int room = label->width();
    const QRect own = label->geometry();
    for (const QObject* object : label->parentWidget()->children()) {
        const auto* other = qobject_cast<const QWidget*>(object);
        if (other == nullptr || other == label || qobject_cast<const QLabel*>(other) != nullptr) continue;
        const QRect r = other->geometry();
        const bool same_line = r.top() < own.bottom() && r.bottom() > own.top();
        if (same_line && r.left() > own.left() && r.left() < own.right())
            room = std::min(room, r.left() - own.left() - 2);
    }
    return room;
}

bool single_line(const QWidget* widget) { return widget->height() < 2 * widget->fontMetrics().lineSpacing(); }

void set_label_text(QLabel* label, const std::string& text) {
    label->setProperty(kTextProperty, qs(text));
    const QString shown = display_text(text);
    if (!label->wordWrap() && !shown.contains(QLatin1Char('\n'))) {
        label->setFont(label->parentWidget()->font());
        fit_width(label, shown, room_of(label) - 2 * label->frameWidth());
    }
    label->setText(shown);
}

// Like a classic push button, a caption too wide for a narrow button breaks at
// its blanks onto lines of their own ("计  算" on a tall button).
QString button_caption(const QString& text, const QFont& font, int width) {
    if (QFontMetrics(font).horizontalAdvance(text) <= width - 6) return text;
    return text.split(QLatin1Char(' '), Qt::SkipEmptyParts).join(QLatin1Char('\n'));
}

QRect to_pixels(const shell::Twips& r) { return QRect(px(r.left), px(r.top), px(r.width), px(r.height)); }

// A picture box: white, a thin sunken border, and the drawing it names.
class PictureBox : public QWidget {
public:
    PictureBox(const QString& drawing, QWidget* parent) : QWidget(parent), drawing_(drawing) {
        setAutoFillBackground(true);
        QPalette pal = palette();
        pal.setColor(QPalette::Window, Qt::white);
        setPalette(pal);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing, true);
        paint_drawing(painter, drawing_);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QColor(128, 128, 128));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }

private:
    QString drawing_;
};

}  // namespace

void install_application_font() {
    QFont font;
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("AR PL UMing CN"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("Noto Sans CJK"), QStringLiteral("WenQuanYi Zen Hei")});
    // 9 points on a 96 dpi screen, the customary size of dialog text.
    font.setPixelSize(12);
    QGuiApplication::setFont(font);
}

ScreenWindow::ScreenWindow(const shell::ScreenDesc& desc, EventSink on_event, CloseSink on_close)
    : desc_(desc), on_event_(std::move(on_event)), on_close_(std::move(on_close)) {
    setWindowTitle(qs(desc.caption));
    setFixedSize(px(desc.width), px(desc.height));
    // Picture boxes first, so that the controls they hold can be placed inside them.
    for (const ControlDesc& c : desc.controls)
        if (c.kind == ControlKind::PictureBox) controls_[c.name] = build(c, this);
    for (const ControlDesc& c : desc.controls) {
        if (c.kind == ControlKind::PictureBox) continue;
        QWidget* parent = c.parent.empty() ? this : controls_.at(c.parent);
        controls_[c.name] = build(c, parent);
    }
    // Now that every neighbour stands in its place, fit the labels to their room,
    // and give each tick box the height its box needs, centred on its line.
    const int indicator = style()->pixelMetric(QStyle::PM_IndicatorHeight) + 2;
    for (const ControlDesc& c : desc.controls) {
        QWidget* widget = controls_.at(c.name);
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (!label->wordWrap() && !(c.style & shell::kHeading)) set_label_text(label, c.text);
        } else if (qobject_cast<QCheckBox*>(widget) != nullptr && widget->height() < indicator) {
            const QRect r = widget->geometry();
            widget->setGeometry(r.left(), r.center().y() - indicator / 2, r.width(), indicator);
        }
    }
}

QWidget* ScreenWindow::build(const ControlDesc& c, QWidget* parent) {
    QWidget* widget = nullptr;
    const shell::ScreenId id = desc_.id;
    switch (c.kind) {
        case ControlKind::Label: {
            auto* label = new QLabel(parent);
            label->setGeometry(to_pixels(c.rect));
            label->setAlignment(alignment(c.align) | Qt::AlignTop);
            // Several lines where there is room for them, and always for the message line.
            label->setWordWrap(!single_line(label) || (c.style & shell::kMessage));
            if (c.style & shell::kBorder) {
                label->setFrameShape(QFrame::Box);
                label->setFrameShadow(QFrame::Plain);
                label->setAlignment(alignment(c.align) | Qt::AlignVCenter);
            }
            if (c.style & shell::kHeading) {
                QFont font = label->font();
                font.setPixelSize(std::min(px(c.rect.height) - 4, 22));
                font.setBold(true);
                label->setFont(font);
                label->setAlignment(alignment(c.align) | Qt::AlignVCenter);
            }
            if (c.style & shell::kHeading) {
                label->setProperty(kTextProperty, qs(c.text));
                label->setText(display_text(c.text));
            } else {
                set_label_text(label, c.text);
            }
            widget = label;
            break;
        }
        case ControlKind::TextBox: {
            auto* edit = new QLineEdit(qs(c.text), parent);
            edit->setAlignment(alignment(c.align) | Qt::AlignVCenter);
            QObject::connect(edit, &QLineEdit::textEdited, edit,
                             [this, id, name = c.name] { on_event_(id, name + "_Change"); });
            widget = edit;
            break;
        }
        case ControlKind::Button: {
            auto* push = new QPushButton(parent);
            push->setText(button_caption(qs(c.text), push->font(), px(c.rect.width)));
            push->setProperty(kTextProperty, qs(c.text));
            push->setAutoDefault(false);
            QObject::connect(push, &QPushButton::clicked, push,
                             [this, id, name = c.name] { on_event_(id, name + "_Click"); });
            widget = push;
            break;
        }
        case ControlKind::CheckBox: {
            auto* check = new QCheckBox(qs(c.text), parent);
            // The click arrives with the new value already in place.
            QObject::connect(check, &QCheckBox::clicked, check,
                             [this, id, name = c.name] { on_event_(id, name + "_Click"); });
            widget = check;
            break;
        }
        case ControlKind::PictureBox:
            widget = new PictureBox(qs(c.text), parent);
            break;
    }
    if (c.style & shell::kRed) {
        QPalette pal = widget->palette();
        pal.setColor(QPalette::Text, Qt::red);
        pal.setColor(QPalette::WindowText, Qt::red);
        widget->setPalette(pal);
    }
    widget->setObjectName(qs(c.name));
    widget->setGeometry(to_pixels(c.rect));
    widget->setVisible((c.style & shell::kHidden) == 0);
    return widget;
}

QWidget* ScreenWindow::control(const std::string& name) const {
    const auto it = controls_.find(name);
    return it == controls_.end() ? nullptr : it->second;
}

shell::Fields ScreenWindow::fields() const {
    shell::Fields fields;
    for (const auto& [name, widget] : controls_) {
        if (auto* edit = qobject_cast<QLineEdit*>(widget))
            fields.set(name, edit->text().toStdString());
        else if (auto* check = qobject_cast<QCheckBox*>(widget))
            fields.set(name, check->isChecked() ? "1" : "0");
        else if (qobject_cast<QLabel*>(widget) || qobject_cast<QPushButton*>(widget))
            fields.set(name, widget->property(kTextProperty).toString().toStdString());
    }
    return fields;
}

void ScreenWindow::apply(const shell::Outcome& outcome) {
    for (const auto& [name, text] : outcome.texts) {
        QWidget* widget = controls_.at(name);
        if (auto* edit = qobject_cast<QLineEdit*>(widget))
            edit->setText(qs(text));
        else if (auto* label = qobject_cast<QLabel*>(widget))
            set_label_text(label, text);
    }
    for (const auto& [name, shown] : outcome.visibility) controls_.at(name)->setVisible(shown);
    // A failure or a note in red; a warning alone (a result shown but
    // extrapolated) in dark amber, so it does not read as a failure.
    const bool warning_only = outcome.message.empty() && !outcome.warning.empty();
    for (const ControlDesc& c : desc_.controls) {
        if (c.meaning.role != shell::Role::Message) continue;
        auto* label = static_cast<QLabel*>(controls_.at(c.name));
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, warning_only ? QColor(0xB0, 0x5A, 0x00) : QColor(Qt::red));
        label->setPalette(pal);
        set_label_text(label, shell::message_line(outcome));
    }
}

void ScreenWindow::closeEvent(QCloseEvent* event) {
    // Closing the main menu ends the application; any other screen goes back.
    if (on_close_(desc_.id))
        event->ignore();
    else
        event->accept();
}

}  // namespace entalix::ui
