// Builds the widgets of a screen from its description and binds their events.
#include "ui/screen_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QColor>
#include <QComboBox>
#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTranslator>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "shell/button_tooltip.h"
#include "shell/controller.h"
#include "shell/help_button.h"
#include "shell/host_look.h"
#include "shell/reading.h"
#include "ui/drawings.h"
#include "ui/picture_box.h"

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

// The least room above a heading, in pixels.
constexpr int kHeadingTop = 8;

QColor colour(shell::Colour c) { return QColor(c.red, c.green, c.blue); }

// A one-line caption wider than its place is set in a smaller type rather than
// wrapped out of sight or cut.
void fit_width(QWidget* widget, const QString& text, int room) {
    QFont font = widget->font();
    while (font.pixelSize() > shell::kSmallestTextPixels && QFontMetrics(font).horizontalAdvance(text) > room)
        font.setPixelSize(font.pixelSize() - 1);
    widget->setFont(font);
}

// The label's rectangle as the description places it, before any fitting.
constexpr const char* kPlaceProperty = "entalixPlace";

QRect place_of(const QWidget* widget) {
    const QVariant place = widget->property(kPlaceProperty);
    return place.isValid() ? place.toRect() : widget->geometry();
}

// Where a one-line label's text may run. Its own place, narrowed where a control
// starts inside it on its line (a unit label that reaches under a button), and
// widened over the free space beside it, up to the next control on its line or
// the edge of what holds it (a unit whose Latin letters are wider in the face at
// hand than the screen allowed for). A border keeps a label to its own place.
QRect room_of(const QLabel* label, int need) {
    const QRect own = place_of(label);
    int left = 0;
    int right = label->parentWidget()->width();  // exclusive
    int clear_of = 0;
    for (const QObject* object : label->parentWidget()->children()) {
        const auto* other = qobject_cast<const QWidget*>(object);
        if (other == nullptr || other == label) continue;
        const QRect r = place_of(other);
        if (r.top() > own.bottom() || r.bottom() < own.top()) continue;  // another line
        // Labels may overlap one another's empty ends; only those clear of this one bound it.
        const bool label_beside = qobject_cast<const QLabel*>(other) != nullptr;
        if (r.left() > own.left() && (!label_beside || r.left() > own.right())) right = std::min(right, r.left() - 2);
        if (r.left() < own.left() && r.right() < own.right() && (!label_beside || r.right() < own.left()))
            left = std::max(left, r.right() + 2);
        // A text box or a framed result whose border the text would touch.
        const auto* framed = qobject_cast<const QFrame*>(other);
        const bool box = qobject_cast<const QLineEdit*>(other) != nullptr || (framed && framed->frameWidth() > 0);
        if (box && r.left() < own.left() && r.right() >= own.left() - 2 && r.right() < own.right())
            clear_of = std::max(clear_of, r.right() + 3);
    }
    QRect room = own;
    // A left-aligned text that would touch the box before it steps clear of it.
    const bool left_aligned = !(label->alignment() & (Qt::AlignRight | Qt::AlignHCenter));
    if (left_aligned && label->frameWidth() == 0 && clear_of > own.left()) room.moveLeft(clear_of);
    room.setRight(std::min(room.right(), right - 1));
    const int more = need - room.width();
    if (label->frameWidth() > 0 || more <= 0) return room;
    const Qt::Alignment align = label->alignment();
    if (align & Qt::AlignRight) {
        room.setLeft(std::max(std::min(left, own.left()), room.left() - more));
    } else if (align & Qt::AlignHCenter) {
        room.setLeft(std::max(std::min(left, own.left()), room.left() - (more + 1) / 2));
        room.setRight(std::min(right - 1, room.right() + (more + 1) / 2));
    } else {
        // Rightwards first, then leftwards where the right is taken.
        room.setRight(std::min(right - 1, room.left() + need - 1));
        room.setLeft(std::max(std::min(left, room.left()), room.right() + 1 - need));
    }
    return room;
}

bool single_line(const QWidget* widget) { return widget->height() < 2 * widget->fontMetrics().lineSpacing(); }

// A label of several lines whose text runs past its bottom has its lines drawn
// closer, 1.15 em apart as in the classic Song faces (the modern CJK faces leave
// a wider gap), and then, if need be, a smaller type.
void fit_height(QLabel* label, const QString& shown) {
    QFont font = label->parentWidget()->font();
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    label->setText(shown);
    const int width = label->width();
    if (shown.isEmpty() || label->heightForWidth(width) <= label->height()) return;
    label->setTextFormat(Qt::RichText);
    for (int size = font.pixelSize(); size >= shell::kSmallestTextPixels; --size) {
        font.setPixelSize(size);
        label->setFont(font);
        const int percent = std::min(100, 115 * size / QFontMetrics(font).lineSpacing());
        label->setText(QStringLiteral("<div style=\"white-space:pre-wrap; line-height:%1%\">%2</div>")
                           .arg(percent)
                           .arg(shown.toHtmlEscaped()));
        if (label->heightForWidth(width) <= label->height()) return;
    }
}

// A result too wide for its box even in the smallest type is shown whole: the
// box grows about its centre over what stands beside it, within the window,
// rather than cut the number into a different-looking one.
void show_whole(QLabel* label, const QString& shown) {
    if (label->frameWidth() == 0) return;
    const int need = QFontMetrics(label->font()).horizontalAdvance(shown) + 2 * label->frameWidth() + 4;
    QRect box = label->geometry();
    // Grown, it hides what it covers rather than mingle its digits with a caption's.
    label->setAutoFillBackground(need > box.width());
    if (need <= box.width()) return;
    const int holder = label->parentWidget()->width();
    box.setLeft(box.center().x() - need / 2);
    box.setWidth(std::min(need, holder));
    if (box.left() < 0) box.moveLeft(0);
    if (box.right() >= holder) box.moveRight(holder - 1);
    label->setGeometry(box);
    label->raise();
}

void set_label_text(QLabel* label, const std::string& text) {
    label->setProperty(kTextProperty, qs(text));
    const QString shown = display_text(text);
    if (!label->wordWrap() && !shown.contains(QLatin1Char('\n'))) {
        const QFont font = label->parentWidget()->font();
        label->setFont(font);
        const int need = QFontMetrics(font).horizontalAdvance(shown) + 2 * label->frameWidth() + 1;
        const QRect room = room_of(label, need);
        label->setGeometry(room);
        fit_width(label, shown, room.width() - 2 * label->frameWidth());
        label->setTextFormat(Qt::PlainText);
        label->setText(shown);
        show_whole(label, shown);
    } else if (label->wordWrap()) {
        fit_height(label, shown);
    } else {
        label->setTextFormat(Qt::PlainText);
        label->setText(shown);
    }
}

// Like a classic push button, a caption too wide for a narrow button breaks at
// its blanks onto lines of their own ("计  算" on a tall button).
QString button_caption(const QString& text, const QFont& font, int width) {
    if (QFontMetrics(font).horizontalAdvance(text) <= width - 6) return text;
    return text.split(QLatin1Char(' '), Qt::SkipEmptyParts).join(QLatin1Char('\n'));
}

// Text boxes stacked closer than their height (rows 300 twips apart, boxes 375
// tall) would paint over one another's border: the upper one ends a pixel
// above the lower one.
void separate_stacked_boxes(QWidget* holder) {
    QList<QWidget*> boxes;
    for (QObject* object : holder->children()) {
        const auto* framed = qobject_cast<QFrame*>(object);
        if (qobject_cast<QLineEdit*>(object) != nullptr || (framed != nullptr && framed->frameWidth() > 0))
            boxes.append(static_cast<QWidget*>(object));
    }
    for (QWidget* upper : boxes)
        for (const QWidget* lower : boxes) {
            const QRect a = upper->geometry();
            const QRect b = lower->geometry();
            const bool same_column = a.left() <= b.right() && b.left() <= a.right();
            if (same_column && a.top() < b.top() && a.bottom() >= b.top() - 1)
                upper->setGeometry(a.left(), a.top(), a.width(), b.top() - a.top() - 1);
        }
}

QRect to_pixels(const shell::Twips& r) { return QRect(px(r.left), px(r.top), px(r.width), px(r.height)); }

}  // namespace

QString label_text(const QLabel* label) {
    return label->property(kTextProperty).toString().replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

void install_application_font() {
    QFont font;
    // SimSun where Windows has it; elsewhere a crisp modern Song face, then the
    // older UMing, then any CJK face at hand.
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("AR PL UMing CN"), QStringLiteral("Noto Sans CJK"),
                      QStringLiteral("WenQuanYi Zen Hei")});
    font.setPixelSize(shell::kTextPixels);
    QGuiApplication::setFont(font);
}

void install_qt_translation() {
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    const QString installed = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#else
    const QString installed = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#endif
    // A Windows installation carries them beside the program.
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_zh_CN"), installed) ||
        translator->load(QStringLiteral("qtbase_zh_CN"), beside))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

ScreenWindow::ScreenWindow(const shell::ScreenDesc& desc, Hooks hooks)
    : desc_(desc), hooks_(std::move(hooks)), shown_(desc) {
    setWindowTitle(qs(desc.caption));
    page_ = new QWidget;
    page_->setFixedSize(design_size());
    scroll_ = new QScrollArea(this);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setFocusPolicy(Qt::NoFocus);
    scroll_->setWidget(page_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll_);
    setMinimumSize(page_->size());
    resize(page_->size());
    // Picture boxes first, so that the controls they hold can be placed inside them.
    for (const ControlDesc& c : desc.controls)
        if (c.kind == ControlKind::PictureBox) controls_[c.name] = build(c, page_);
    for (const ControlDesc& c : desc.controls) {
        if (c.kind == ControlKind::PictureBox) continue;
        QWidget* parent = c.parent.empty() ? page_ : controls_.at(c.parent);
        controls_[c.name] = build(c, parent);
    }
    lay_out();
    for (const ControlDesc& c : desc.controls) bind_field(c, controls_.at(c.name));
    bind_keys();
    // A field reached by Tab in a window smaller than its screen scrolls wholly
    // into sight, with a little of what stands around it.
    QObject::connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now != nullptr && page_->isAncestorOf(now)) scroll_into_sight(now);
    });
}

// QScrollArea::ensureWidgetVisible brings only a text box's caret into sight,
// which leaves a box at the right edge half hidden: the whole box is brought in.
void ScreenWindow::scroll_into_sight(const QWidget* widget) {
    const int margin = static_cast<int>(std::lround(8 * scale_));
    const QRect wanted =
        QRect(widget->mapTo(page_, QPoint(0, 0)), widget->size()).adjusted(-margin, -margin, margin, margin);
    const auto bring = [](QScrollBar* bar, int low, int high, int room) {
        if (high - low + 1 > room) return bar->setValue(low);  // wider than the view: its start
        if (high > bar->value() + room - 1) bar->setValue(high - room + 1);
        if (low < bar->value()) bar->setValue(low);
    };
    bring(scroll_->horizontalScrollBar(), wanted.left(), wanted.right(), scroll_->viewport()->width());
    bring(scroll_->verticalScrollBar(), wanted.top(), wanted.bottom(), scroll_->viewport()->height());
}

QSize ScreenWindow::design_size() const { return QSize(px(desc_.width), px(desc_.height)); }

QRect ScreenWindow::place_for(const ControlDesc& c) const {
    const auto scaled = [this](int twips) { return static_cast<int>(std::lround(twips * scale_ / 15.0)); };
    QRect place(scaled(c.rect.left), scaled(c.rect.top), scaled(c.rect.width), scaled(c.rect.height));
    // A heading's large type needs air above it, whatever face renders it.
    const int heading_top = static_cast<int>(std::lround(kHeadingTop * scale_));
    if ((c.style & shell::kHeading) && place.top() < heading_top) place.moveTop(heading_top);
    return place;
}

// Places every control at the scale in use, in type of that scale: the same
// fitting as at the screen's own size, so an enlarged window reads as a
// larger copy of it.
void ScreenWindow::lay_out() {
    QFont font = QGuiApplication::font();
    font.setPixelSize(static_cast<int>(std::lround(shell::kTextPixels * scale_)));
    page_->setFont(font);
    const QSize full = design_size();
    page_->setFixedSize(static_cast<int>(std::lround(full.width() * scale_)),
                        static_cast<int>(std::lround(full.height() * scale_)));
    const int indicator = style()->pixelMetric(QStyle::PM_IndicatorHeight) + 2;
    for (const ControlDesc& c : desc_.controls) {
        QWidget* widget = controls_.at(c.name);
        const QRect place = place_for(c);
        widget->setGeometry(place);
        widget->setProperty(kPlaceProperty, place);
        if (c.style & shell::kHeading) {
            QFont bold = font;
            bold.setPixelSize(
                std::min(place.height() - 4, static_cast<int>(std::lround(shell::kLargestHeadingPixels * scale_))));
            bold.setBold(true);
            widget->setFont(bold);
        } else if (auto* push = qobject_cast<QPushButton*>(widget)) {
            push->setText(button_caption(push->property(kTextProperty).toString(), push->font(), place.width()));
        } else if (qobject_cast<QCheckBox*>(widget) != nullptr && place.height() < indicator) {
            widget->setGeometry(place.left(), place.center().y() - indicator / 2, place.width(), indicator);
        } else if (auto* box = dynamic_cast<PictureBox*>(widget)) {
            box->set_scale(scale_);
        }
    }
    // Now that every neighbour stands in its place, fit the labels to their room.
    for (const ControlDesc& c : desc_.controls)
        if (auto* label = qobject_cast<QLabel*>(controls_.at(c.name)); label != nullptr && !(c.style & shell::kHeading))
            set_label_text(label, label->property(kTextProperty).toString().toStdString());
    separate_stacked_boxes(page_);
    for (const ControlDesc& c : desc_.controls)
        if (c.kind == ControlKind::PictureBox) separate_stacked_boxes(controls_.at(c.name));
    if (auto* help = findChild<QPushButton*>(QStringLiteral("Help"))) {
        const int size = static_cast<int>(std::lround(shell::kHelpButtonSize * scale_));
        const int margin = static_cast<int>(std::lround(shell::kHelpButtonMargin * scale_));
        help->setGeometry(help->parentWidget()->width() - margin - size, margin, size, size);
    }
}

void ScreenWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const QSize full = design_size();
    const double scale = shell::layout_scale({width(), height()}, {full.width(), full.height()});
    if (std::abs(scale - scale_) < 1e-3) return;
    scale_ = scale;
    lay_out();
}

QWidget* ScreenWindow::build(const ControlDesc& c, QWidget* parent) {
    QWidget* widget = nullptr;
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
                font.setPixelSize(std::min(px(c.rect.height) - 4, shell::kLargestHeadingPixels));
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
            QObject::connect(edit, &QLineEdit::textEdited, edit, [this, edit, control = &c](const QString& edited) {
                // A spreadsheet cell pastes with a tab or a line break after its
                // number: the field shows at once the number that will be read.
                QString text = edited;
                if (const QString clean = qs(shell::clean_pasted_number(edited.toStdString())); clean != edited) {
                    edit->setText(clean);
                    text = clean;
                }
                inputs_changed(control->name);
                if (hooks_.typed) hooks_.typed(desc_.id, *control, text);
                dispatch(control->name + "_Change");
            });
            QObject::connect(edit, &QLineEdit::returnPressed, edit, [this, name = c.name] { press_enter(name); });
            widget = edit;
            break;
        }
        case ControlKind::Button: {
            auto* push = new QPushButton(parent);
            push->setText(button_caption(qs(c.text), push->font(), px(c.rect.width)));
            push->setProperty(kTextProperty, qs(c.text));
            push->setAutoDefault(false);
            if (hooks_.catalog) push->setToolTip(qs(shell::button_tooltip(desc_, c, hooks_.catalog)));
            QObject::connect(push, &QPushButton::clicked, push, [this, name = c.name] { dispatch(name + "_Click"); });
            widget = push;
            break;
        }
        case ControlKind::CheckBox: {
            auto* check = new QCheckBox(qs(c.text), parent);
            // The click arrives with the new value already in place.
            QObject::connect(check, &QCheckBox::clicked, check, [this, name = c.name] {
                inputs_changed(name);
                dispatch(name + "_Click");
            });
            widget = check;
            break;
        }
        case ControlKind::PictureBox: {
            std::function<void(QRectF)> dragged;
            // The rectangle goes to the screen as text, in the drawing's pixels.
            if (c.style & shell::kDragRectangle)
                dragged = [this, name = c.name](QRectF r) {
                    auto* rect = qobject_cast<QLabel*>(control(name + "_Rect"));
                    if (rect == nullptr) return;
                    rect->setProperty(
                        kTextProperty,
                        QStringLiteral("%1 %2 %3 %4").arg(r.left()).arg(r.top()).arg(r.right()).arg(r.bottom()));
                    dispatch(name + "_MouseUp");
                };
            widget = new PictureBox(qs(c.text), parent, std::move(dragged));
            break;
        }
        case ControlKind::ComboBox: {
            auto* combo = new QComboBox(parent);
            for (const std::string& choice : c.choices) combo->addItem(qs(choice));
            combo->setCurrentText(qs(c.text));
            QObject::connect(combo, &QComboBox::textActivated, combo, [this, control = &c](const QString& text) {
                if (hooks_.typed) hooks_.typed(desc_.id, *control, text);
                dispatch(control->name + "_Click");
            });
            widget = combo;
            break;
        }
    }
    if (c.style & shell::kRed) {
        QPalette pal = widget->palette();
        pal.setColor(QPalette::Text, colour(shell::kFailureColour));
        pal.setColor(QPalette::WindowText, colour(shell::kFailureColour));
        widget->setPalette(pal);
    }
    widget->setObjectName(qs(c.name));
    QRect place = to_pixels(c.rect);
    // A heading's large type needs air above it, whatever face renders it.
    if ((c.style & shell::kHeading) && place.top() < kHeadingTop) place.moveTop(kHeadingTop);
    widget->setGeometry(place);
    widget->setProperty(kPlaceProperty, place);
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
        else if (auto* combo = qobject_cast<QComboBox*>(widget))
            fields.set(name, combo->currentText().toStdString());
        else if (qobject_cast<QLabel*>(widget) || qobject_cast<QPushButton*>(widget))
            fields.set(name, widget->property(kTextProperty).toString().toStdString());
    }
    fields.set_formulation(formulation_);
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
    for (const auto& [name, drawing] : outcome.pictures)
        if (auto* box = dynamic_cast<PictureBox*>(controls_.at(name))) box->set_drawing(drawing);
    for (const ControlDesc& c : desc_.controls) {
        if (c.meaning.role != shell::Role::Message) continue;
        auto* label = static_cast<QLabel*>(controls_.at(c.name));
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, colour(shell::message_colour(outcome)));
        label->setPalette(pal);
        set_label_text(label, shell::message_line(outcome));
    }
    // Results another screen's press computed here count as this screen's own press.
    if (!pressing_.empty())
        note_press(pressing_, outcome);
    else if (!outcome.pressed_as.empty())
        note_press(outcome.pressed_as, outcome);
}

void ScreenWindow::closeEvent(QCloseEvent* event) {
    // Closing the main menu ends the application; any other screen goes back.
    if (hooks_.close(desc_.id))
        event->ignore();
    else
        event->accept();
}

}  // namespace entalix::ui
