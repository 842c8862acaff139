#pragma once
// The root object of the network module: HTTP requests over Qt Network for the program that
// loaded it.

#include "common/UHttpClient.h"

#include <QObject>

class THttpClientPlugin : public QObject, public THttpClient {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID THttpClient_iid)
    Q_INTERFACES(THttpClient)
  public:
    THttpAnswer Get(const QString &Address, int TimeoutMs, qsizetype MaxBody) override;
    QObject *Start(QObject *Parent, const QString &Address, int TimeoutMs, qsizetype MaxBody,
                   std::function<void(const THttpAnswer &)> Done) override;
};
