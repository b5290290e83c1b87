// The program's values under QSettings keys of their own; the two corners of
// the main menu's place are one point, as QSettings writes a point.
#include "ui/settings_store.h"

#include <QPoint>
#include <QSettings>

#include <charconv>

namespace entalix::ui {

namespace {

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<int>(text.size())); }

const QString kMainPosition = QStringLiteral("window/main_position");

bool is_main_corner(std::string_view key) { return key == shell::kMainLeftKey || key == shell::kMainTopKey; }

// The QSettings key of a value other than the main menu's place; empty for a group or key it does not hold.
QString key_of(std::string_view group, std::string_view key) {
    if (group == shell::kProgramGroup) {
        if (key == shell::kAtmosphericKey) return QStringLiteral("site/atmospheric");
        if (key == shell::kFormulationKey) return QStringLiteral("properties/formulation");
        return {};
    }
    if (group.starts_with(shell::kWindowGroupPrefix) && (key == shell::kWidthKey || key == shell::kHeightKey))
        return QStringLiteral("window/") + qs(group.substr(shell::kWindowGroupPrefix.size())) + QLatin1Char('/') +
               qs(key);
    if (!group.starts_with(shell::kInputsGroupPrefix) || key.empty()) return {};
    return QStringLiteral("inputs/") + qs(group.substr(shell::kInputsGroupPrefix.size())) + QLatin1Char('/') + qs(key);
}

std::optional<QPoint> main_position(const QSettings& settings) {
    const QVariant value = settings.value(kMainPosition);
    if (value.userType() != QMetaType::QPoint) return std::nullopt;
    return value.toPoint();
}

}  // namespace

std::optional<std::string> QtSettingsStore::get(std::string_view group, std::string_view key) const {
    if (settings_ == nullptr) return std::nullopt;
    if (group == shell::kProgramGroup && is_main_corner(key)) {
        const std::optional<QPoint> at = main_position(*settings_);
        if (!at) return std::nullopt;
        return std::to_string(key == shell::kMainLeftKey ? at->x() : at->y());
    }
    const QString name = key_of(group, key);
    if (name.isEmpty() || !settings_->contains(name)) return std::nullopt;
    return settings_->value(name).toString().toStdString();
}

bool QtSettingsStore::set(std::string_view group, std::string_view key, const std::string& value) {
    if (settings_ == nullptr) return false;
    if (group == shell::kProgramGroup && is_main_corner(key)) {
        int coordinate = 0;
        const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), coordinate);
        if (error != std::errc() || end != value.data() + value.size()) return false;
        QPoint at = main_position(*settings_).value_or(QPoint());
        if (key == shell::kMainLeftKey)
            at.setX(coordinate);
        else
            at.setY(coordinate);
        settings_->setValue(kMainPosition, at);
        return true;
    }
    const QString name = key_of(group, key);
    if (name.isEmpty()) return false;
    settings_->setValue(name, QString::fromStdString(value));
    return true;
}

void QtSettingsStore::remove(std::string_view group, std::string_view key) {
    if (settings_ == nullptr) return;
    if (group == shell::kProgramGroup && is_main_corner(key)) {
        settings_->remove(kMainPosition);
        return;
    }
    if (const QString name = key_of(group, key); !name.isEmpty()) settings_->remove(name);
}

}  // namespace entalix::ui
