#pragma once
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class QLocalServer;
class QLocalSocket;

// Keeps Vellumy to one running instance per user. The first instance listens
// on a local socket named after the program file; a later start finds it,
// asks it to come forward, hands it the files it was asked to open and is
// told to end.
class SingleInstanceGuard : public QObject {
    Q_OBJECT
public:
    // `key` names the instance (the program's file name); the user's name is
    // added so that two users on one machine do not meet. `files` (absolute
    // paths) go to a running instance, which opens them.
    explicit SingleInstanceGuard(const QString& key, QObject* parent = nullptr);
    SingleInstanceGuard(const QString& key, const QStringList& files, QObject* parent = nullptr);
    ~SingleInstanceGuard() override;

    // True when another instance was running and has been asked to come
    // forward: the caller should end at once.
    bool AnotherInstanceRunning() const { return anotherRunning_; }

    // Called in the first instance whenever a later start asks it to come forward.
    void SetOnActivationRequest(std::function<void()> handler) { onActivation_ = std::move(handler); }
    // Called in the first instance, after the activation, for each file a
    // later start was given.
    void SetOnOpenRequest(std::function<void(const QString& file)> handler) { onOpen_ = std::move(handler); }

private:
    bool askRunningInstance(const QStringList& files);
    void listen();
    void handleRequest(const QByteArray& request);

    QString serverName_;
    QLocalServer* server_ = nullptr;
    bool anotherRunning_ = false;
    std::function<void()> onActivation_;
    std::function<void(const QString&)> onOpen_;
};
