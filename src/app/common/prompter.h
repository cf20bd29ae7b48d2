#pragma once
// Every modal message and confirmation of the program goes through one prompter, so that
// tests can answer them and record what was shown.
#include <QString>
#include <QStringList>
#include <deque>
#include <memory>

class QWidget;

namespace minori {

enum class PromptKind { Info, Error, Confirm };

class Prompter {
public:
    virtual ~Prompter() = default;
    // title: "" for information, "エラー" for errors, "確認！" for confirmations.
    virtual void message(PromptKind kind, const QString &title, const QString &text) = 0;
    virtual bool confirm(const QString &title, const QString &text) = 0;   // true for OK
};

// Message boxes of the platform.
class WidgetPrompter : public Prompter {
public:
    void message(PromptKind kind, const QString &title, const QString &text) override;
    bool confirm(const QString &title, const QString &text) override;
};

// Records every prompt and answers confirmations from a queue (OK when it is empty).
class RecordingPrompter : public Prompter {
public:
    struct Shown {
        PromptKind kind;
        QString title;
        QString text;
    };
    void message(PromptKind kind, const QString &title, const QString &text) override;
    bool confirm(const QString &title, const QString &text) override;

    void answer(bool ok) { answers_.push_back(ok); }
    const std::deque<Shown> &shown() const { return shown_; }
    QStringList texts() const;
    QString lastText() const { return shown_.empty() ? QString() : shown_.back().text; }
    void clear() { shown_.clear(); answers_.clear(); }

private:
    std::deque<Shown> shown_;
    std::deque<bool> answers_;
};

Prompter &prompter();
// Replaces the prompter; returns the previous one. nullptr restores the platform's boxes.
Prompter *setPrompter(Prompter *p);

// Sets a RecordingPrompter for the lifetime of this object (tests).
class ScopedRecordingPrompter : public RecordingPrompter {
public:
    ScopedRecordingPrompter() : previous_(setPrompter(this)) {}
    ~ScopedRecordingPrompter() override { setPrompter(previous_); }

private:
    Prompter *previous_;
};

// The common message routines.
void ShowInfo(const QString &text);
void ShowError(const QString &text);
bool AskConfirm(const QString &text);
bool AskConfirmTwice(const QString &text);

} // namespace minori
