#include "app/qt/SavedPreferences.h"

#include <QSettings>
#include <QStringList>

namespace stavelorn {

namespace {

// Where the settings keep each preference.
constexpr char kRecentKey[] = "RecentProjects";
constexpr char kGeometryKey[] = "MainWindow/Geometry";
constexpr char kPrintChoiceKey[] = "PrintOptions/Sections";
constexpr char kPrecisionKey[] = "Analysis/Precision";
// The routine questions' answers, one key each under this group ("Questions/EditListItem").
QString RoutineKey(const RoutineQuestionInfo& question) {
  return QString("Questions/") + question.Setting;
}

// Compared as the type written, since the settings may hand a one-entry list back as a string.
void WriteIfChanged(QSettings& settings, const QString& key, const QVariant& value) {
  QVariant stored = settings.value(key);
  if (!stored.convert(value.metaType()) || stored != value) settings.setValue(key, value);
}

}  // namespace

Preferences LoadPreferences() {
  QSettings settings;
  Preferences preferences;
  std::vector<std::string> recent;
  for (const QString& path : settings.value(kRecentKey).toStringList())
    recent.push_back(path.toStdString());
  preferences.Recent = RecentProjects(recent);
  preferences.PrintChoice = settings.value(kPrintChoiceKey).toString().toStdString();
  preferences.Precision.Restore(settings.value(kPrecisionKey).toString().toStdString());
  preferences.WindowGeometry = settings.value(kGeometryKey).toByteArray().toStdString();
  for (const RoutineQuestionInfo& question : RoutineQuestions())
    preferences.Routine.Restore(question.Question,
                                settings.value(RoutineKey(question)).toString().toStdString());
  return preferences;
}

void SavePreferences(const Preferences& preferences) {
  QSettings settings;
  WriteIfChanged(settings, kPrecisionKey, QString::fromStdString(preferences.Precision.Setting()));
  for (const RoutineQuestionInfo& question : RoutineQuestions()) {
    const QString setting = QString::fromStdString(preferences.Routine.Setting(question.Question));
    // A question asked every time, as it always was, needs no setting.
    if (!setting.isEmpty() || settings.contains(RoutineKey(question)))
      WriteIfChanged(settings, RoutineKey(question), setting);
  }
  if (!preferences.PrintChoice.empty())
    WriteIfChanged(settings, kPrintChoiceKey, QString::fromStdString(preferences.PrintChoice));
  QStringList paths;
  for (const std::string& path : preferences.Recent.Paths()) paths << QString::fromStdString(path);
  WriteIfChanged(settings, kRecentKey, paths);
  if (!preferences.WindowGeometry.empty())
    WriteIfChanged(settings, kGeometryKey, QByteArray::fromStdString(preferences.WindowGeometry));
}

}  // namespace stavelorn
