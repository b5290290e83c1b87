// Builds the widgets of a screen from its description and binds their events.
#include "ui/screen_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

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
        case Align::Center: return Qt::AlignHCenter;
        case Align::Right: return Qt::AlignRight;
        case Align::Left: break;
    }
    return Qt::AlignLeft;
}

// A label keeps the text as written (with CR LF) beside the text it displays.
constexpr const char* kTextProperty = "entalixText";

void set_label_text(QLabel* label, const std::string& text) {
    label->setProperty(kTextProperty, qs(text));
    label->setText(display_text(text));
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
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("AR PL UMing CN"),
                      QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Noto Sans CJK"),
                      QStringLiteral("WenQuanYi Zen Hei")});
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
}

QWidget* ScreenWindow::build(const ControlDesc& c, QWidget* parent) {
    QWidget* widget = nullptr;
    const shell::ScreenId id = desc_.id;
    switch (c.kind) {
        case ControlKind::Label: {
            auto* label = new QLabel(parent);
            set_label_text(label, c.text);
            label->setAlignment(alignment(c.align) | Qt::AlignTop);
            label->setWordWrap(true);
            if (c.style & shell::kBorder) {
                label->setFrameStyle(QFrame::Box | QFrame::Plain);
                label->setAlignment(alignment(c.align) | Qt::AlignVCenter);
            }
            if (c.style & shell::kHeading) {
                QFont font = label->font();
                font.setPixelSize(std::min(px(c.rect.height) - 4, 22));
                font.setBold(true);
                label->setFont(font);
                label->setAlignment(alignment(c.align) | Qt::AlignVCenter);
            }
            widget = label;
            break;
        }
        case ControlKind::TextBox: {
            auto* edit = new QLineEdit(qs(c.text), parent);
            edit->setAlignment(alignment(c.align) | Qt::AlignVCenter);
            QObject::connect(edit, &QLineEdit::textEdited, edit, [this, id, name = c.name] {
                on_event_(id, name + "_Change");
            });
            widget = edit;
            break;
        }
        case ControlKind::Button: {
            auto* push = new QPushButton(qs(c.text), parent);
            push->setAutoDefault(false);
            QObject::connect(push, &QPushButton::clicked, push, [this, id, name = c.name] {
                on_event_(id, name + "_Click");
            });
            widget = push;
            break;
        }
        case ControlKind::CheckBox: {
            auto* check = new QCheckBox(qs(c.text), parent);
            // The click arrives with the new value already in place.
            QObject::connect(check, &QCheckBox::clicked, check, [this, id, name = c.name] {
                on_event_(id, name + "_Click");
            });
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
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) fields.set(name, edit->text().toStdString());
        else if (auto* check = qobject_cast<QCheckBox*>(widget)) fields.set(name, check->isChecked() ? "1" : "0");
        else if (qobject_cast<QLabel*>(widget)) fields.set(name, widget->property(kTextProperty).toString().toStdString());
        else if (auto* push = qobject_cast<QPushButton*>(widget)) fields.set(name, push->text().toStdString());
    }
    return fields;
}

void ScreenWindow::apply(const shell::Outcome& outcome) {
    for (const auto& [name, text] : outcome.texts) {
        QWidget* widget = controls_.at(name);
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->setText(qs(text));
        else if (auto* label = qobject_cast<QLabel*>(widget)) set_label_text(label, text);
    }
    for (const auto& [name, shown] : outcome.visibility) controls_.at(name)->setVisible(shown);
    for (const ControlDesc& c : desc_.controls)
        if (c.style & shell::kMessage) set_label_text(static_cast<QLabel*>(controls_.at(c.name)), outcome.message);
}

void ScreenWindow::closeEvent(QCloseEvent* event) {
    // Closing the main menu ends the application; any other screen goes back.
    if (on_close_(desc_.id)) event->ignore();
    else event->accept();
}

}  // namespace entalix::ui
