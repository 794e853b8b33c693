#pragma once
// The service report as an A4 PDF: the tables of the visit in a text document, then the trend
// of the last hour drawn as lines (vector, not a picture). The console's font goes with it so
// the Chinese prints on any machine.
#include <QCoreApplication>
#include <QString>
#include <optional>

#include "report/service_report.h"

namespace kestrova {

class ServiceReportPdf {
  Q_DECLARE_TR_FUNCTIONS(ServiceReportPdf)

 public:
  // Writes the report to path through a temporary file that only replaces path once it is
  // whole. Returns why it could not, naming the file and the cause; nothing on success.
  static std::optional<QString> Write(const ServiceReport& report, const QString& path);

  // The tables of the report as the rich text the document is made from.
  static QString Html(const ServiceReport& report);
};

}  // namespace kestrova
