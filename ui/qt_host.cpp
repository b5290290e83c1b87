// Windows for the screens; events go through the shared controller.
#include "ui/qt_host.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include "shell/errors.h"
#include "ui/guide_window.h"
#include "ui/placement.h"

namespace entalix::ui {

namespace {

// The default atmospheric pressure of the screens' descriptions.
QString default_atmospheric(const shell::Catalog& catalog) {
    for (shell::ScreenId id : shell::all_screens())
        for (const shell::ControlDesc& c : catalog(id).controls)
            if (c.meaning.role == shell::Role::Atmospheric) return QString::fromStdString(c.text);
    return {};
}

QScreen* monitor_at(const QPoint& point) {
    QScreen* screen = QGuiApplication::screenAt(point);
    return screen != nullptr ? screen : QGuiApplication::primaryScreen();
}

}  // namespace

QtHost::QtHost(shell::Catalog catalog, QSettings* settings) : controller_(*this, catalog), store_(settings) {
    const std::optional<std::string> kept = remembered_.atmospheric();
    atmospheric_ = kept ? QString::fromStdString(*kept) : default_atmospheric(catalog);
    formulation_ = remembered_.formulation().value_or(props::Formulation::IFC67);
}

void QtHost::set_formulation(props::Formulation formulation) {
    formulation_ = formulation;
    remembered_.set_formulation(formulation);
    for (const auto& [id, window] : windows_) window->set_formulation(formulation);
    if (guide_) guide_->set_formulation(formulation_text());
}

QString QtHost::formulation_text() const {
    const std::string_view name = props::formulation_name(formulation_);
    return QString::fromUtf8(name.data(), static_cast<int>(name.size()));
}

QtHost::~QtHost() {
    for (const auto& [id, window] : windows_)
        if (window->isVisible()) remember(*window);
}

void QtHost::create_screen(const shell::ScreenDesc& desc) {
    ScreenWindow::Hooks hooks;
    hooks.event = [this](shell::ScreenId id, const std::string& event) {
        try {
            controller_.fire(id, event);
        } catch (const std::exception&) {
            // A fault of the program itself: the press writes nothing and the screen stays usable.
            shell::Outcome outcome;
            outcome.message = shell::kMsgInternalError;
            outcome.failed = true;
            apply(id, outcome);
        }
    };
    hooks.close = [this](shell::ScreenId id) {
        if (controller_.close(id)) return true;
        remember(*windows_.at(id));  // the main menu, closed rather than hidden
        QApplication::quit();
        return false;
    };
    hooks.typed = [this](shell::ScreenId, const shell::ControlDesc& field, const QString& text) {
        if (field.meaning.role == shell::Role::Atmospheric) share_atmospheric(text);
        if (const auto chosen = shell::chosen_formulation(field, text.toStdString())) set_formulation(*chosen);
    };
    hooks.help = [this, id = desc.id] { show_guide(id); };
    hooks.catalog = [this](shell::ScreenId id) -> const shell::ScreenDesc& { return controller_.desc(id); };
    auto window = std::make_unique<ScreenWindow>(desc, std::move(hooks));
    window->set_formulation(formulation_);
    for (const shell::ControlDesc* c : desc.typed_fields())
        if (c->meaning.role == shell::Role::Atmospheric) window->set_field_text(c->name, atmospheric_);
    for (const auto& [name, text] : remembered_.inputs(desc))
        window->set_field_text(name, QString::fromStdString(text));
    ScreenWindow* created = window.get();
    windows_[desc.id] = std::move(window);
    for (const std::string& name : remembered_.ticks(desc)) created->restore_tick(name);
}

void QtHost::share_atmospheric(const QString& text) {
    atmospheric_ = text;
    remembered_.atmospheric_typed(text.toStdString());
    for (const auto& [id, window] : windows_)
        for (const shell::ControlDesc* c : window->desc().typed_fields())
            if (c->meaning.role == shell::Role::Atmospheric) window->set_field_text(c->name, text);
}

void QtHost::remember(const ScreenWindow& window) {
    remembered_.screen_left(window.desc(), window.fields(), shell::WindowPlace{window.pos().x(), window.pos().y()},
                            shell::WindowSize{window.width(), window.height()});
}

// Each screen opens where the one it replaces stood, on that screen's monitor,
// and wholly on it; the main menu comes back where it was left
// (shell/placement.h). It opens as large as it was left.
void QtHost::place(ScreenWindow& window) {
    const ScreenWindow* previous = nullptr;
    for (const auto& [id, other] : windows_)
        if (other.get() != &window && other->isVisible()) previous = other.get();
    std::optional<shell::WindowPlace> replaced;
    if (previous != nullptr) {
        replaced = shell::WindowPlace{previous->pos().x(), previous->pos().y()};
        if (const QSize extra = previous->frameGeometry().size() - previous->size(); !extra.isEmpty())
            frame_extra_ = extra;
    } else if (last_position_) {
        replaced = shell::WindowPlace{last_position_->x(), last_position_->y()};
    }
    std::optional<shell::WindowPlace> own;
    if (const auto it = left_at_.find(window.id()); it != left_at_.end())
        own = shell::WindowPlace{it->second.x(), it->second.y()};
    else if (const std::optional<QPoint> kept = remembered_main_position(); kept && window.desc().close_event.empty())
        own = shell::WindowPlace{kept->x(), kept->y()};
    const std::optional<shell::WindowPlace> at = shell::opening_place(window.desc().close_event.empty(), own, replaced);
    const bool beside_previous = previous != nullptr && at == replaced;
    QScreen* monitor = beside_previous ? previous->screen()
                       : at ? monitor_at(QPoint(at->left, at->top) + QPoint(window.width() / 2, window.height() / 2))
                            : QGuiApplication::primaryScreen();
    if (monitor == nullptr) return;
    const QRect area = monitor->availableGeometry();
    window.fit_within(area.size() - frame_extra_, remembered_.window_size(window.id()));
    const QPoint anchor =
        at ? QPoint(at->left, at->top) : area.center() - QPoint(window.width() / 2, window.height() / 2);
    window.move(fit_on_screen(QRect(anchor, window.size() + frame_extra_), area).topLeft());
}

std::optional<QPoint> QtHost::remembered_main_position() const {
    const std::optional<shell::WindowPlace> place = remembered_.main_place();
    if (!place) return std::nullopt;
    return QPoint(place->left, place->top);
}

void QtHost::show_screen(shell::ScreenId id) {
    ScreenWindow* w = windows_.at(id).get();
    const bool opening = !w->isVisible();
    if (opening) place(*w);
    w->show();
    w->raise();
    w->activateWindow();
    if (opening) w->focus_first_field();
}

void QtHost::hide_screen(shell::ScreenId id) {
    ScreenWindow* w = windows_.at(id).get();
    remember(*w);
    last_position_ = w->pos();
    left_at_[id] = w->pos();
    w->hide();
}

shell::Fields QtHost::fields(shell::ScreenId id) const { return windows_.at(id)->fields(); }

void QtHost::apply(shell::ScreenId id, const shell::Outcome& outcome) { windows_.at(id)->apply(outcome); }

ScreenWindow* QtHost::window(shell::ScreenId id) const {
    const auto it = windows_.find(id);
    return it == windows_.end() ? nullptr : it->second.get();
}

void QtHost::show_guide(std::optional<shell::ScreenId> from) {
    if (!guide_) guide_ = std::make_unique<GuideWindow>(formulation_text());
    if (!guide_->isVisible()) {
        QScreen* monitor = QGuiApplication::primaryScreen();
        QPoint anchor;
        for (const auto& [id, window] : windows_)
            if (window->isVisible()) {
                monitor = window->screen();
                anchor = window->pos();
            }
        if (monitor != nullptr) {
            const QRect area = monitor->availableGeometry();
            guide_->resize(guide_->size().boundedTo(area.size() - frame_extra_));
            guide_->move(fit_on_screen(QRect(anchor, guide_->size() + frame_extra_), area).topLeft());
        }
    }
    guide_->show();
    if (from) guide_->show_section(*from);
    guide_->raise();
    guide_->activateWindow();
}

}  // namespace entalix::ui
