// The remembered values, stored under QSettings keys of their own.
#include "ui/remembered.h"

#include <QSettings>

namespace entalix::ui {

namespace {

const QString kAtmospheric = QStringLiteral("site/atmospheric");
const QString kMainPosition = QStringLiteral("window/main_position");
const QString kFormulation = QStringLiteral("properties/formulation");

QString inputs_group(shell::ScreenId id) {
    return QStringLiteral("inputs/") + QString::fromStdString(shell::screen_name(id));
}

}  // namespace

std::optional<QString> Remembered::atmospheric() const {
    if (settings_ == nullptr || !settings_->contains(kAtmospheric)) return std::nullopt;
    return settings_->value(kAtmospheric).toString();
}

void Remembered::set_atmospheric(const QString& text) {
    if (settings_ != nullptr) settings_->setValue(kAtmospheric, text);
}

std::optional<props::Formulation> Remembered::formulation() const {
    if (settings_ == nullptr) return std::nullopt;
    return props::parse_formulation(settings_->value(kFormulation).toString().toStdString());
}

void Remembered::set_formulation(props::Formulation formulation) {
    if (settings_ != nullptr)
        settings_->setValue(kFormulation,
                            QString::fromLatin1(props::formulation_name(formulation).data(),
                                                static_cast<int>(props::formulation_name(formulation).size())));
}

std::map<std::string, QString> Remembered::inputs(shell::ScreenId id) const {
    std::map<std::string, QString> texts;
    if (settings_ == nullptr) return texts;
    settings_->beginGroup(inputs_group(id));
    for (const QString& key : settings_->childKeys()) texts[key.toStdString()] = settings_->value(key).toString();
    settings_->endGroup();
    return texts;
}

void Remembered::set_inputs(shell::ScreenId id, const std::map<std::string, QString>& texts) {
    if (settings_ == nullptr) return;
    settings_->beginGroup(inputs_group(id));
    for (const auto& [name, text] : texts) settings_->setValue(QString::fromStdString(name), text);
    settings_->endGroup();
}

std::optional<QPoint> Remembered::main_position() const {
    if (settings_ == nullptr || !settings_->contains(kMainPosition)) return std::nullopt;
    return settings_->value(kMainPosition).toPoint();
}

void Remembered::set_main_position(const QPoint& position) {
    if (settings_ != nullptr) settings_->setValue(kMainPosition, position);
}

}  // namespace entalix::ui
