#include "policy/PolicyTableEdit.h"

#include "data/Database.h"

std::optional<int> PolicyTableEdit::wholeNumber(const QString& text, int maxLength)
{
    static const QRegularExpression re(QStringLiteral("^\\d+$"));
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > maxLength || !re.match(t).hasMatch())
        return std::nullopt;
    return t.toInt();
}

std::optional<double> PolicyTableEdit::ratio(const QString& text)
{
    static const QRegularExpression re(QStringLiteral("^(\\d+\\.?\\d*|\\.\\d+)$"));
    const QString t = text.trimmed();
    if (t.size() > 4 || !re.match(t).hasMatch())
        return std::nullopt;
    const double v = t.toDouble();
    if (v > 1.0)
        return std::nullopt;
    return v;
}

ServiceOutcome PolicyTableEdit::runChange(const QString& sql, const QVariantList& values,
                                          const QString& failurePrefix)
{
    try {
        Transaction t;
        RunScratchSql(sql, values);
        t.commit();
    } catch (const DatabaseError& e) {
        return ServiceOutcome::failed(failurePrefix + e.text());
    }
    return ServiceOutcome::done();
}
