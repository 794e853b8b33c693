#pragma once
// The JSON form of a setting profile:
//   {"format": "kestrova-setting-profile", "version": 1, "date": "...",
//    "board": {"model", "pcb", "software", "description"},
//    "settings": [{"code": 12, "caption": "高温报警", "unit": "°C", "value": 45}, ...]}
#include <QByteArray>
#include <QString>
#include <variant>

#include "tools/setting_profile.h"

namespace kestrova {

QByteArray ProfileJson(const SettingProfile& profile);
// The profile, or why the text is not a profile that can be loaded (in the operator's words).
std::variant<SettingProfile, QString> ProfileFromJson(const QByteArray& json);

}  // namespace kestrova
