// What a screen does for the hand: the keys, the right-click menus, copying the
// results, and the grey of results that no longer match their inputs.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QTextDocument>

#include "shell/clipboard_text.h"
#include "shell/field_menu.h"
#include "shell/field_ranges.h"
#include "shell/help_button.h"
#include "shell/host_look.h"
#include "shell/numbers.h"
#include "shell/tab_order.h"
#include "ui/screen_window.h"

namespace entalix::ui {

using shell::ControlDesc;
using shell::Role;

namespace {

QString qs(const std::string& text) { return QString::fromStdString(text); }

constexpr const char* kStaleProperty = "entalixStale";

bool typed(const ControlDesc& c) {
    return c.meaning.role == Role::Input || c.meaning.role == Role::Atmospheric || c.meaning.role == Role::TickBox;
}

void copy_text(const QString& text) { QGuiApplication::clipboard()->setText(text); }

}  // namespace

void ScreenWindow::bind_keys() {
    const auto key = [this](const char* sequence, auto action) {
        auto* shortcut = new QShortcut(QKeySequence(QString::fromLatin1(sequence)), this);
        QObject::connect(shortcut, &QShortcut::activated, this, action);
    };
    key("F1", [this] {
        if (hooks_.help) hooks_.help();
    });
    key("Ctrl+Shift+C", [this] { copy_results(); });
    if (const ControlDesc* back = desc_.back_button()) {
        key("Esc", [this, name = back->name] {
            if (auto* push = qobject_cast<QPushButton*>(control(name)); push != nullptr && !push->isHidden())
                push->click();
        });
    } else if (desc_.close_event.empty()) {
        key("Ctrl+Q", [this] { close(); });  // the main menu: closing it ends the program
    }
    add_help_button();
    QWidget* previous = nullptr;
    for (const ControlDesc* c : shell::tab_order(desc_)) {
        QWidget* next = controls_.at(c->name);
        if (previous != nullptr) QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

// The "?" where every host puts it (shell/help_button.h).
void ScreenWindow::add_help_button() {
    const ControlDesc* holder = shell::help_button_holder(desc_);
    QWidget* parent = holder != nullptr ? controls_.at(holder->name) : page_;
    auto* help = new QPushButton(QStringLiteral("?"), parent);
    help->setObjectName(QStringLiteral("Help"));
    help->setToolTip(qs(std::string(shell::kHelpTooltip)));
    help->setFocusPolicy(Qt::NoFocus);
    help->setGeometry(parent->width() - shell::kHelpButtonMargin - shell::kHelpButtonSize, shell::kHelpButtonMargin,
                      shell::kHelpButtonSize, shell::kHelpButtonSize);
    QObject::connect(help, &QPushButton::clicked, this, [this] {
        if (hooks_.help) hooks_.help();
    });
}

void ScreenWindow::bind_field(const ControlDesc& c, QWidget* widget) {
    if (typed(c)) widget->setToolTip(qs(shell::field_tooltip(c, formulation_)));
    if (c.meaning.role == Role::Formulation) widget->setToolTip(qs(std::string(shell::kFormulationTooltip)));
    // A typed field that a calculation also writes (the saturation screen's) greys as a result does.
    if (c.meaning.role == Role::Result || shown_.written_fields().count(c.name) != 0)
        own_palettes_[c.name] = widget->palette();
    if (qobject_cast<QLineEdit*>(widget) != nullptr || c.meaning.role == Role::Result) widget->installEventFilter(this);
    if (c.meaning.role == Role::Result) {
        if (auto* label = qobject_cast<QLabel*>(widget)) label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    if (!shell::has_field_menu(c)) return;
    widget->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(widget, &QWidget::customContextMenuRequested, widget, [this, widget, name = c.name](QPoint at) {
        QMenu* menu = field_menu(name);
        menu->exec(widget->mapToGlobal(at));
        delete menu;
    });
}

bool ScreenWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonDblClick) return QWidget::eventFilter(watched, event);
    // Qt selects its own word first (it stops at a decimal point); the whole number replaces it.
    QMetaObject::invokeMethod(
        this,
        [edit = QPointer<QLineEdit>(qobject_cast<QLineEdit*>(watched)),
         label = QPointer<QLabel>(qobject_cast<QLabel*>(watched))] {
            if (edit != nullptr && edit->selectionStart() >= 0) {
                const auto [first, last] = shell::double_click_span(edit->text().toStdU16String(),
                                                                    static_cast<std::size_t>(edit->selectionStart()));
                edit->setSelection(static_cast<int>(first), static_cast<int>(last - first));
            } else if (label != nullptr && label->selectionStart() >= 0 && label->textFormat() != Qt::RichText &&
                       !Qt::mightBeRichText(label->text())) {
                const auto [first, last] = shell::double_click_span(label->text().toStdU16String(),
                                                                    static_cast<std::size_t>(label->selectionStart()));
                label->setSelection(static_cast<int>(first), static_cast<int>(last - first));
            }
        },
        Qt::QueuedConnection);
    return QWidget::eventFilter(watched, event);
}

void ScreenWindow::dispatch(const std::string& event) {
    pressing_ = event;
    hooks_.event(desc_.id, event);
    pressing_.clear();
}

void ScreenWindow::press_enter(const std::string& field) {
    // A shared field (an atmospheric pressure two blocks read) recomputes each block it feeds.
    for (const std::string& event : shown_.enter_events(field)) {
        const std::string button = event.substr(0, event.rfind("_Click"));
        // A button the screen hides (the steam calculators' before two ticks) is not pressed.
        if (auto* push = qobject_cast<QPushButton*>(control(button)); push != nullptr && !push->isHidden())
            push->click();
    }
}

void ScreenWindow::set_field_text(const std::string& name, const QString& text) {
    auto* edit = qobject_cast<QLineEdit*>(control(name));
    if (edit == nullptr || edit->text() == text) return;
    edit->setText(text);
    inputs_changed(name);
}

void ScreenWindow::restore_tick(const std::string& name) {
    auto* check = qobject_cast<QCheckBox*>(control(name));
    if (check == nullptr || check->isChecked() || check->isHidden()) return;
    check->setChecked(true);
    dispatch(name + "_Click");
}

void ScreenWindow::set_formulation(props::Formulation formulation) {
    formulation_ = formulation;
    const std::string name(props::formulation_name(formulation));
    for (const ControlDesc& c : desc_.controls) {
        QWidget* widget = controls_.at(c.name);
        if (typed(c)) widget->setToolTip(qs(shell::field_tooltip(c, formulation)));
        if (auto* combo = qobject_cast<QComboBox*>(widget); combo != nullptr && c.meaning.role == Role::Formulation)
            combo->setCurrentText(qs(name));
    }
    shown_.formulation_chosen(formulation);
    show_stale();
}

void ScreenWindow::inputs_changed(const std::string& field) {
    shown_.input_changed(field, fields().text(field));
    show_stale();
}

void ScreenWindow::note_press(const std::string& event, const shell::Outcome& outcome) {
    shown_.pressed(event, outcome, fields());
    show_stale();
}

void ScreenWindow::show_stale() {
    // The title names the formulation chosen now, from the moment it is chosen.
    setWindowTitle(qs(shown_.title()));
    const std::set<std::string, std::less<>> greyed = shown_.stale_results();
    for (const auto& [name, own] : own_palettes_) {
        QWidget* widget = controls_.at(name);
        const bool now = greyed.count(name) != 0;
        if (widget->property(kStaleProperty).toBool() == now) continue;
        widget->setProperty(kStaleProperty, now);
        QPalette palette = own;
        if (now) {
            palette.setColor(QPalette::WindowText, Qt::gray);
            palette.setColor(QPalette::Text, Qt::gray);
        }
        widget->setPalette(palette);
    }
}

bool ScreenWindow::stale(const std::string& result) const {
    const QWidget* widget = control(result);
    return widget != nullptr && widget->property(kStaleProperty).toBool();
}

void ScreenWindow::focus_first_field() {
    // A menu, with no field, gives the keyboard to its first button.
    QWidget* first = nullptr;
    for (const ControlDesc* c : shell::tab_order(desc_)) {
        QWidget* widget = controls_.at(c->name);
        if (!widget->isVisibleTo(this)) continue;
        if (first == nullptr) first = widget;
        if (typed(*c)) {
            first = widget;
            break;
        }
    }
    if (first == nullptr) return;
    first->setFocus(Qt::TabFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(first)) edit->selectAll();
}

void ScreenWindow::fit_within(const QSize& room, std::optional<shell::WindowSize> kept) {
    const QSize full = design_size();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    QSize least = full.boundedTo(room);
    // A scroll bar in one direction takes room from the other.
    if (least.height() < full.height()) least.setWidth(std::min(room.width(), full.width() + bar));
    if (least.width() < full.width()) least.setHeight(std::min(room.height(), full.height() + bar));
    setMinimumSize(least);
    if (least != full) {
        resize(least);
        return;
    }
    const shell::WindowSize size =
        shell::opening_size(kept, {full.width(), full.height()}, {room.width(), room.height()});
    resize(size.width, size.height);
}

QString ScreenWindow::results_text() const { return qs(shown_.results_text()); }

void ScreenWindow::copy_results() const {
    if (const QString text = results_text(); !text.isEmpty()) copy_text(text);
}

QMenu* ScreenWindow::field_menu(const std::string& name) {
    const ControlDesc* c = desc_.find(name);
    if (c == nullptr || !shell::has_field_menu(*c)) return nullptr;
    QWidget* widget = control(name);
    auto* edit = qobject_cast<QLineEdit*>(widget);
    auto* label = qobject_cast<QLabel*>(widget);
    shell::FieldState state;
    if (edit != nullptr) {
        state.can_undo = edit->isUndoAvailable();
        state.has_selection = edit->hasSelectedText();
        state.has_text = !edit->text().isEmpty();
    }
    state.clipboard_has_text = !QGuiApplication::clipboard()->text().isEmpty();
    state.results_shown = shown_.any();
    auto* menu = new QMenu(this);
    for (const shell::FieldMenuItem& item : shell::field_menu(*c, state)) {
        if (item.separator_before) menu->addSeparator();
        QAction* action = menu->addAction(QString::fromUtf8(item.text.data(), static_cast<int>(item.text.size())));
        action->setEnabled(item.enabled);
        QObject::connect(action, &QAction::triggered, menu,
                         [this, c, edit, label, what = item.action] { run_field_action(*c, edit, label, what); });
    }
    return menu;
}

void ScreenWindow::run_field_action(const ControlDesc& c, QLineEdit* edit, QLabel* label, shell::FieldAction action) {
    using shell::FieldAction;
    if (action == FieldAction::CopyAllResults) {
        copy_results();
    } else if (action == FieldAction::RestoreDefault) {
        set_field_text(c.name, qs(c.text));
        if (hooks_.typed) hooks_.typed(desc_.id, c, qs(c.text));
    } else if (action == FieldAction::Copy && label != nullptr) {
        copy_text(label->hasSelectedText() ? label->selectedText() : label_text(label));
    } else if (edit != nullptr) {
        // What changes the text arrives as typing does (textEdited).
        switch (action) {
            case FieldAction::Undo:
                edit->undo();
                break;
            case FieldAction::Cut:
                edit->cut();
                break;
            case FieldAction::Copy:
                copy_text(edit->hasSelectedText() ? edit->selectedText() : edit->text());
                break;
            case FieldAction::Paste:
                edit->paste();
                break;
            case FieldAction::Delete:
                edit->del();
                break;
            case FieldAction::SelectAll:
                edit->selectAll();
                break;
            case FieldAction::CopyAllResults:
            case FieldAction::RestoreDefault:
                break;
        }
    }
}

}  // namespace entalix::ui
