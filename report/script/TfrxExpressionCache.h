#pragma once

#include "report/script/TfsScript.h"

#include <QHash>

// Compiled expressions of one report, each compiled once per preparation as a function of a
// private script whose parent is the report's script. Expressions are keyed by their exact text;
// unless the cache is case-sensitive, letter case outside string literals does not count, so
// Memo1.Text and MEMO1.TEXT share a function while 'abc' and 'ABC' do not.
class TfrxExpressionCache {
public:
    TfrxExpressionCache();

    // Evaluates Expression with MainScript as the parent of the private script. ErrorText receives
    // "Error in expression 'expression': message" when it does not compile, or the message of an
    // error raised while it runs; it is empty on success. A ScriptLimitError is not caught.
    TfsVariant Calc(const QString& expression, TfsScript* mainScript, QString& errorText);
    // Forgets every compiled expression.
    void Clear();

    const QString& GetScriptLanguage() const { return FScriptLanguage; }
    void SetScriptLanguage(const QString& language) { FScriptLanguage = language; }
    bool GetCaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool value) { FCaseSensitive = value; }
    // The number of compiled expressions.
    qsizetype GetCount() const { return FExpressions.size(); }
    TfsScript& GetScript() { return FScript; }

private:
    QString KeyOf(const QString& expression) const;
    QString ProgramText(const QString& expression, const QString& functionName) const;

    TfsScript FScript;
    QHash<QString, TfsCustomVariable*> FExpressions;
    QString FScriptLanguage = QStringLiteral("PascalScript");
    bool FCaseSensitive = false;
};
