#include "prompter.h"

#include <QApplication>
#include <QMessageBox>

namespace minori {

namespace {
WidgetPrompter g_widgetPrompter;
Prompter *g_prompter = &g_widgetPrompter;

// Texts of the program use "\r" as line break; the platform's box wants "\n".
QString display(const QString &text)
{
    QString s = text;
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(u'\r', u'\n');
    return s;
}
} // namespace

void WidgetPrompter::message(PromptKind kind, const QString &title, const QString &text)
{
    QMessageBox box(kind == PromptKind::Error ? QMessageBox::Critical : QMessageBox::Information, title, display(text),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

bool WidgetPrompter::confirm(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Question, title, display(text), QMessageBox::Ok | QMessageBox::Cancel,
                    QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

void RecordingPrompter::message(PromptKind kind, const QString &title, const QString &text)
{
    shown_.push_back({kind, title, text});
}

bool RecordingPrompter::confirm(const QString &title, const QString &text)
{
    shown_.push_back({PromptKind::Confirm, title, text});
    if (answers_.empty())
        return true;
    bool ok = answers_.front();
    answers_.pop_front();
    return ok;
}

QStringList RecordingPrompter::texts() const
{
    QStringList out;
    for (const Shown &s : shown_)
        out << s.text;
    return out;
}

Prompter &prompter() { return *g_prompter; }

Prompter *setPrompter(Prompter *p)
{
    Prompter *old = g_prompter;
    g_prompter = p ? p : &g_widgetPrompter;
    return old == &g_widgetPrompter ? nullptr : old;
}

void ShowInfo(const QString &text) { prompter().message(PromptKind::Info, QString(), text); }

void ShowError(const QString &text) { prompter().message(PromptKind::Error, QStringLiteral("エラー"), text); }

bool AskConfirm(const QString &text) { return prompter().confirm(QStringLiteral("確認！"), text); }

bool AskConfirmTwice(const QString &text)
{
    if (!AskConfirm(text))
        return false;
    return AskConfirm(QStringLiteral("最終確認：実行しますか"));
}

} // namespace minori
