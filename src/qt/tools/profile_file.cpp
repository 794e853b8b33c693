#include "qt/tools/profile_file.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "settings/setting_pairs.h"
#include "values/leading_number.h"
#include "values/number_text.h"
#include "qt/text.h"
#include "values/tr.h"

namespace kestrova {

namespace {

const char* const kBoardKeys[] = {"model", "pcb", "software", "description"};

}  // namespace

QByteArray ProfileJson(const SettingProfile& p) {
  QJsonObject board;
  for (std::size_t i = 0; i < p.board.size(); ++i) board[kBoardKeys[i]] = QString::fromStdString(p.board[i]);
  QJsonArray settings;
  for (std::size_t i = 0; i < kSettingPairs.size(); ++i) {
    const SettingPair& pair = kSettingPairs[i];
    QJsonObject s;
    s["code"] = pair.code;
    s["caption"] = ToQString(pair.caption);
    s["unit"] = ToQString(pair.unit);
    s["value"] = ParseLeadingNumber(p.values[i]).value_or(0);
    settings.append(s);
  }
  QJsonObject root;
  root["format"] = ToQString(kProfileFormat);
  root["version"] = kProfileVersion;
  root["date"] = QString::fromStdString(p.date);
  root["board"] = board;
  root["settings"] = settings;
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::variant<SettingProfile, QString> ProfileFromJson(const QByteArray& json) {
  QJsonParseError error{};
  const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
  if (error.error != QJsonParseError::NoError || !doc.isObject())
    return UiText("ProfileFile", "文件不是有效的设置档案（格式错误）");
  const QJsonObject root = doc.object();
  if (root["format"].toString() != ToQString(kProfileFormat)) return UiText("ProfileFile", "文件不是 Kestrova 设置档案");
  if (root["version"].toInt() != kProfileVersion)
    return UiText("ProfileFile", "不支持的设置档案版本 %1").arg(root["version"].toVariant().toString());

  SettingProfile p;
  p.date = root["date"].toString().toStdString();
  const QJsonObject board = root["board"].toObject();
  for (std::size_t i = 0; i < p.board.size(); ++i) p.board[i] = board[kBoardKeys[i]].toString().toStdString();

  std::array<bool, kSettingPairs.size()> seen{};
  for (const QJsonValue& v : root["settings"].toArray()) {
    const QJsonObject s = v.toObject();
    for (std::size_t i = 0; i < kSettingPairs.size(); ++i) {
      if (!s["code"].isDouble() || s["code"].toInt() != kSettingPairs[i].code) continue;
      if (!s["value"].isDouble()) return UiText("ProfileFile", "设置档案中 %1 的值不是数字").arg(UiText("Settings", std::string(kSettingPairs[i].caption).c_str()));
      p.values[i] = DecimalText(s["value"].toDouble());
      seen[i] = true;
    }
  }
  for (std::size_t i = 0; i < kSettingPairs.size(); ++i)
    if (!seen[i]) return UiText("ProfileFile", "设置档案缺少 %1").arg(UiText("Settings", std::string(kSettingPairs[i].caption).c_str()));
  if (auto refusal = ProfileRefusal(p)) return UiText("ProfileFile", "设置档案中 %1").arg(QString::fromStdString(*refusal));
  return p;
}

}  // namespace kestrova
