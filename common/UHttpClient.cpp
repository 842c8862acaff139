#include "common/UHttpClient.h"

#include "modules/UModules.h"

THttpClient *HttpClient() {
    // Loaded with the first request, which may come from a worker thread.
    static THttpClient *const client = qobject_cast<THttpClient *>(
        LoadModule(QStringLiteral(PENDRA_NET_MODULE), QStringLiteral(PENDRA_NET_INSTALL_DIR),
                   QStringLiteral(PENDRA_NET_BUILD_DIR)));
    return client;
}
