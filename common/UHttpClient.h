#pragma once
// HTTP requests, as the program sees them. They are made by a module of their own (pendra_net,
// folder net/), loaded with the first request: Qt Network, and the Kerberos and proxy libraries it
// brings, would otherwise be loaded at every start of the program, before its window is shown.

#include <QByteArray>
#include <QString>
#include <QtPlugin>
#include <functional>

class QObject;

// What one GET brought back.
struct THttpAnswer {
    QByteArray Body;
    // The HTTP status; 0 when no server answered.
    int Status = 0;
    QByteArray Location;
    // The request ended in an error: no answer, an error status, aborted for its time.
    bool Failed = true;
    // More than the limit was sent; Body holds what was read.
    bool TooLarge = false;
};

class THttpClient {
  public:
    virtual ~THttpClient() = default;
    // Runs a GET to its end on the calling thread's own event loop, with user input left queued
    // (so a window cannot be re-entered), redirects not followed, at most MaxBody + 1 bytes read,
    // given up after TimeoutMs. Any thread may call it.
    virtual THttpAnswer Get(const QString &Address, int TimeoutMs, qsizetype MaxBody) = 0;
    // Starts a GET in the background, redirects followed, at most MaxBody bytes read, given up
    // after TimeoutMs of silence; Done gets the answer on this thread. The request belongs to
    // the returned object, a child of Parent: deleting it abandons the request, and Done is then
    // never called.
    virtual QObject *Start(QObject *Parent, const QString &Address, int TimeoutMs,
                           qsizetype MaxBody, std::function<void(const THttpAnswer &)> Done) = 0;
};

#define THttpClient_iid "example.pendra.TaxCalculator.HttpClient/1.0"
Q_DECLARE_INTERFACE(THttpClient, THttpClient_iid)

// The module's client, loaded by the first call and kept; nullptr when the module is missing.
THttpClient *HttpClient();
