#include "Condition.h"

#include "Sqlite.h"
#include "TableError.h"

#include <QDate>
#include <QLocale>
#include <QTime>

#include <cmath>

namespace {

enum class Tok { End, Ident, String, Number, LParen, RParen, Op, And, Or, Not, Null, Like, Is };

struct Token
{
    Tok kind = Tok::End;
    QString text;
    int pos = 0; // 1-based
};

QString positionError(ConditionDialect dialect, int pos, const QString &detail)
{
    const QString what = dialect == ConditionDialect::Filter
                             ? QStringLiteral("Fehler im Filterausdruck")
                             : QStringLiteral("Fehler in der SQL-Anweisung");
    return QStringLiteral("%1 an Position %2: %3").arg(what).arg(pos).arg(detail);
}

bool isIdentChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

class Lexer
{
public:
    Lexer(const QString &text, ConditionDialect dialect, int offset)
        : m_text(text), m_dialect(dialect), m_offset(offset)
    {
    }

    Token next()
    {
        while (m_i < m_text.size() && m_text.at(m_i).unicode() <= 32)
            ++m_i;
        Token t;
        t.pos = int(m_i) + 1 + m_offset;
        if (m_i >= m_text.size())
            return t;
        const QChar c = m_text.at(m_i);
        if (c == u'\'') {
            QString value;
            ++m_i;
            for (;;) {
                if (m_i >= m_text.size())
                    throw TableError(positionError(m_dialect, t.pos,
                                                   QStringLiteral("schließendes Hochkomma fehlt")));
                if (m_text.at(m_i) == u'\'') {
                    if (m_i + 1 < m_text.size() && m_text.at(m_i + 1) == u'\'') {
                        value.append(u'\'');
                        m_i += 2;
                        continue;
                    }
                    ++m_i;
                    break;
                }
                value.append(m_text.at(m_i++));
            }
            t.kind = Tok::String;
            t.text = value;
            return t;
        }
        if (c == u'"' || c == u'[') {
            const QChar close = c == u'"' ? u'"' : u']';
            const qsizetype end = m_text.indexOf(close, m_i + 1);
            if (end < 0)
                throw TableError(positionError(m_dialect, t.pos,
                                               QStringLiteral("Feldname nicht abgeschlossen")));
            t.kind = Tok::Ident;
            t.text = m_text.mid(m_i + 1, end - m_i - 1);
            m_i = end + 1;
            return t;
        }
        if (c == u'(' || c == u')') {
            t.kind = c == u'(' ? Tok::LParen : Tok::RParen;
            t.text = c;
            ++m_i;
            return t;
        }
        if (c == u'=' || c == u'<' || c == u'>') {
            t.kind = Tok::Op;
            t.text = c;
            ++m_i;
            if (m_i < m_text.size()) {
                const QChar d = m_text.at(m_i);
                if ((c == u'<' && (d == u'>' || d == u'=')) || (c == u'>' && d == u'=')) {
                    t.text.append(d);
                    ++m_i;
                }
            }
            return t;
        }
        if (c == u'!' && m_i + 1 < m_text.size() && m_text.at(m_i + 1) == u'=') {
            t.kind = Tok::Op;
            t.text = QStringLiteral("<>");
            m_i += 2;
            return t;
        }
        if (c.isDigit() ||
            ((c == u'-' || c == u'+') && m_i + 1 < m_text.size() && m_text.at(m_i + 1).isDigit())) {
            qsizetype j = m_i + 1;
            while (j < m_text.size() && (m_text.at(j).isDigit() || m_text.at(j) == u'.'))
                ++j;
            if (j < m_text.size() && isIdentChar(m_text.at(j))) {
                // A name that starts with a digit.
                while (j < m_text.size() && isIdentChar(m_text.at(j)))
                    ++j;
                t.kind = Tok::Ident;
            } else {
                t.kind = Tok::Number;
            }
            t.text = m_text.mid(m_i, j - m_i);
            m_i = j;
            return t;
        }
        if (isIdentChar(c)) {
            qsizetype j = m_i;
            while (j < m_text.size() && isIdentChar(m_text.at(j)))
                ++j;
            t.text = m_text.mid(m_i, j - m_i);
            m_i = j;
            const QString up = t.text.toUpper();
            if (up == QLatin1String("AND"))
                t.kind = Tok::And;
            else if (up == QLatin1String("OR"))
                t.kind = Tok::Or;
            else if (up == QLatin1String("NOT"))
                t.kind = Tok::Not;
            else if (up == QLatin1String("NULL"))
                t.kind = Tok::Null;
            else if (up == QLatin1String("LIKE"))
                t.kind = Tok::Like;
            else if (up == QLatin1String("IS"))
                t.kind = Tok::Is;
            else
                t.kind = Tok::Ident;
            return t;
        }
        throw TableError(
            positionError(m_dialect, t.pos, QStringLiteral("unerwartetes Zeichen „%1“").arg(c)));
    }

private:
    const QString &m_text;
    ConditionDialect m_dialect;
    int m_offset;
    qsizetype m_i = 0;
};

QString escapeLike(const QString &s)
{
    QString out;
    out.reserve(s.size() + 2);
    for (QChar c : s) {
        if (c == u'%' || c == u'_' || c == u'\\')
            out.append(u'\\');
        out.append(c);
    }
    return out;
}

class Compiler
{
public:
    Compiler(const QString &text, ConditionDialect dialect, const QList<FieldDef> &fields,
             int offset)
        : m_lexer(text, dialect, offset), m_dialect(dialect), m_fields(fields)
    {
        advance();
    }

    CompiledCondition run()
    {
        CompiledCondition c;
        if (m_tok.kind == Tok::End) {
            c.sql = QStringLiteral("1");
            return c;
        }
        c.sql = orExpr();
        if (m_tok.kind != Tok::End)
            error(m_tok.kind == Tok::RParen ? QStringLiteral("„)“ ohne „(“")
                                            : QStringLiteral("AND oder OR erwartet"));
        c.params = m_params;
        return c;
    }

private:
    void advance() { m_tok = m_lexer.next(); }

    [[noreturn]] void error(const QString &detail, int pos = 0)
    {
        throw TableError(positionError(m_dialect, pos ? pos : m_tok.pos, detail));
    }

    QString orExpr()
    {
        QString s = andExpr();
        while (m_tok.kind == Tok::Or) {
            advance();
            s = QStringLiteral("(%1 OR %2)").arg(s, andExpr());
        }
        return s;
    }

    QString andExpr()
    {
        QString s = notExpr();
        while (m_tok.kind == Tok::And) {
            advance();
            s = QStringLiteral("(%1 AND %2)").arg(s, notExpr());
        }
        return s;
    }

    QString notExpr()
    {
        if (m_tok.kind == Tok::Not) {
            advance();
            return QStringLiteral("(NOT IFNULL(%1,0))").arg(notExpr());
        }
        if (m_tok.kind == Tok::LParen) {
            advance();
            QString s = orExpr();
            if (m_tok.kind != Tok::RParen)
                error(QStringLiteral("„)“ erwartet"));
            advance();
            return s;
        }
        return comparison();
    }

    struct Operand
    {
        Tok kind = Tok::End;
        QString text;
        int pos = 0;
        int field = -1;
    };

    Operand operand()
    {
        Operand o{m_tok.kind, m_tok.text, m_tok.pos, -1};
        switch (m_tok.kind) {
        case Tok::Ident:
            o.field = fieldIndex(m_tok.text);
            if (o.field < 0)
                error(QStringLiteral("unbekanntes Feld „%1“").arg(m_tok.text));
            break;
        case Tok::String:
        case Tok::Number:
        case Tok::Null:
            break;
        case Tok::End:
            error(QStringLiteral("Ausdruck unvollständig"));
        default:
            error(QStringLiteral("Feldname oder Wert erwartet"));
        }
        advance();
        return o;
    }

    int fieldIndex(const QString &name) const
    {
        for (int i = int(m_fields.size()) - 1; i >= 0; --i)
            if (m_fields.at(i).name.compare(name, Qt::CaseInsensitive) == 0)
                return i;
        return -1;
    }

    QString comparison()
    {
        Operand left = operand();
        const int opPos = m_tok.pos;
        QString op;
        bool negate = false;
        if (m_tok.kind == Tok::Op) {
            op = m_tok.text;
            advance();
        } else if (m_tok.kind == Tok::Is && m_dialect == ConditionDialect::Sql) {
            advance();
            if (m_tok.kind == Tok::Not) {
                negate = true;
                advance();
            }
            if (m_tok.kind != Tok::Null)
                error(QStringLiteral("NULL erwartet"));
            advance();
            if (left.field < 0)
                error(QStringLiteral("Feldname erwartet"), left.pos);
            return QStringLiteral("(%1 IS %2NULL)")
                .arg(column(left.field), negate ? QStringLiteral("NOT ") : QString());
        } else if (m_dialect == ConditionDialect::Sql &&
                   (m_tok.kind == Tok::Like || m_tok.kind == Tok::Not)) {
            if (m_tok.kind == Tok::Not) {
                negate = true;
                advance();
                if (m_tok.kind != Tok::Like)
                    error(QStringLiteral("LIKE erwartet"));
            }
            op = QStringLiteral("LIKE");
            advance();
        } else {
            error(QStringLiteral("Vergleichsoperator erwartet"));
        }
        Operand right = operand();
        if (left.field < 0 && right.field >= 0) {
            std::swap(left, right);
            if (op == u'<')
                op = u'>';
            else if (op == u'>')
                op = u'<';
            else if (op == QLatin1String("<="))
                op = QStringLiteral(">=");
            else if (op == QLatin1String(">="))
                op = QStringLiteral("<=");
        }
        if (left.field < 0)
            error(QStringLiteral("Feldname erwartet"), left.pos);
        if (right.field >= 0)
            error(QStringLiteral("Vergleich zweier Felder wird nicht unterstützt"), right.pos);
        if (op == QLatin1String("LIKE") && right.kind != Tok::String)
            error(QStringLiteral("Muster in Hochkommas erwartet"), right.pos);
        const QString s = compare(left.field, op, right, opPos);
        return negate ? QStringLiteral("(NOT IFNULL(%1,0))").arg(s) : s;
    }

    QString column(int field) const { return QuoteIdentifier(m_fields.at(field).name); }

    QString param(const QVariant &v)
    {
        m_params.append(v);
        return QStringLiteral("?");
    }

    QString compare(int field, const QString &op, const Operand &value, int opPos)
    {
        const FieldDef &f = m_fields.at(field);
        const QString col = column(field);
        if (value.kind == Tok::Null) {
            if (op == u'=')
                return QStringLiteral("(%1 IS NULL)").arg(col);
            if (op == QLatin1String("<>"))
                return QStringLiteral("(%1 IS NOT NULL)").arg(col);
            error(QStringLiteral("NULL kann nur mit = oder <> verglichen werden"), opPos);
        }
        QString text = value.text;
        bool prefix = false;
        if (m_dialect == ConditionDialect::Filter && value.kind == Tok::String &&
            text.endsWith(u'*')) {
            prefix = true;
            text.chop(1);
        }
        bool likeOp = op == QLatin1String("LIKE");
        if (likeOp && !text.contains(u'%') && !text.contains(u'_')) {
            // LIKE without wildcards is an equality test, typed like '='.
            likeOp = false;
            return compare(field, QStringLiteral("="), Operand{Tok::String, text, value.pos, -1},
                           opPos);
        }

        switch (f.type) {
        case FieldType::String:
        case FieldType::Memo:
            return compareText(col, op, text, prefix, likeOp);
        case FieldType::Boolean: {
            bool b = false;
            if (prefix || likeOp || !ParseBooleanText(text, &b))
                error(QStringLiteral("„%1“ ist kein Wahrheitswert für das Feld %2")
                          .arg(value.text, f.name),
                      value.pos);
            if (op != u'=' && op != QLatin1String("<>"))
                error(QStringLiteral("Wahrheitswerte können nur mit = oder <> verglichen werden"),
                      opPos);
            return QStringLiteral("(IFNULL(%1,0) %2 %3)").arg(col, op, param(b ? 1 : 0));
        }
        case FieldType::Date:
        case FieldType::Time: {
            if (prefix || likeOp)
                return compareAsText(col, op, text, prefix, likeOp);
            QString iso;
            if (f.type == FieldType::Date) {
                QDate d;
                if (!ParseDateText(text, &d))
                    error(QStringLiteral("„%1“ ist kein Datum").arg(text), value.pos);
                iso = d.toString(Qt::ISODate);
            } else {
                QTime t;
                if (!ParseTimeText(text, &t))
                    error(QStringLiteral("„%1“ ist keine Uhrzeit").arg(text), value.pos);
                iso = t.toString(QStringLiteral("HH:mm:ss"));
            }
            return typed(col, op, iso);
        }
        default: {
            if (prefix || likeOp)
                return compareAsText(col, op, text, prefix, likeOp);
            double d = 0;
            if (!ParseNumberText(text, &d))
                error(QStringLiteral("„%1“ ist keine Zahl").arg(text), value.pos);
            if (f.type == FieldType::Currency)
                return typed(col, op, qint64(std::llround(d * 10000.0)));
            if (f.type == FieldType::Float)
                return typed(col, op, d);
            if (d != std::floor(d))
                return typed(col, op, d);
            return typed(col, op, qint64(d));
        }
        }
    }

    QString typed(const QString &col, const QString &op, const QVariant &v)
    {
        if (op == QLatin1String("<>"))
            return QStringLiteral("(%1 IS NULL OR %1 <> %2)").arg(col, param(v));
        return QStringLiteral("(%1 %2 %3)").arg(col, op, param(v));
    }

    QString compareAsText(const QString &col, const QString &op, const QString &text, bool prefix,
                          bool likeOp)
    {
        return compareText(QStringLiteral("CAST(%1 AS TEXT)").arg(col), op, text, prefix, likeOp,
                           col);
    }

    QString compareText(const QString &expr, const QString &op, const QString &text, bool prefix,
                        bool likeOp, QString nullCol = {})
    {
        if (nullCol.isEmpty())
            nullCol = expr;
        const QString folded = FoldCase(text);
        const QString f = QStringLiteral("lv_fold(%1)").arg(expr);
        if (likeOp)
            return QStringLiteral("(%1 LIKE %2)").arg(f, param(folded));
        if (prefix) {
            if (op != u'=' && op != QLatin1String("<>"))
                return QStringLiteral("(IFNULL(%1,'') %2 %3)").arg(f, op, param(folded));
            if (folded.isEmpty())
                return op == u'=' ? QStringLiteral("1") : QStringLiteral("0");
            const QString like = QStringLiteral("%1 LIKE %2 ESCAPE '\\'")
                                     .arg(f, param(escapeLike(folded) + QLatin1Char('%')));
            return op == u'=' ? QStringLiteral("(%1)").arg(like)
                              : QStringLiteral("(%1 IS NULL OR NOT (%2))").arg(nullCol, like);
        }
        if (op == u'=')
            return text.isEmpty() ? QStringLiteral("(%1 IS NULL)").arg(nullCol)
                                  : QStringLiteral("(%1 = %2)").arg(f, param(folded));
        if (op == QLatin1String("<>"))
            return text.isEmpty()
                       ? QStringLiteral("(%1 IS NOT NULL)").arg(nullCol)
                       : QStringLiteral("(%1 IS NULL OR %2 <> %3)").arg(nullCol, f, param(folded));
        // Empty fields compare as empty text.
        return QStringLiteral("(IFNULL(%1,'') %2 %3)").arg(f, op, param(folded));
    }

    Lexer m_lexer;
    ConditionDialect m_dialect;
    const QList<FieldDef> &m_fields;
    Token m_tok;
    QVariantList m_params;
};

} // namespace

CompiledCondition CompileCondition(const QString &text, ConditionDialect dialect,
                                   const QList<FieldDef> &fields, int positionOffset)
{
    return Compiler(text, dialect, fields, positionOffset).run();
}

bool ParseBooleanText(const QString &text, bool *value)
{
    const QString t = text.trimmed().toLower();
    static const QStringList yes = {QStringLiteral("true"), QStringLiteral("wahr"),
                                    QStringLiteral("t"),    QStringLiteral("1"),
                                    QStringLiteral("ja"),   QStringLiteral("yes")};
    static const QStringList no = {QStringLiteral("false"), QStringLiteral("falsch"),
                                   QStringLiteral("f"),     QStringLiteral("0"),
                                   QStringLiteral("nein"),  QStringLiteral("no")};
    if (yes.contains(t)) {
        *value = true;
        return true;
    }
    if (no.contains(t)) {
        *value = false;
        return true;
    }
    return false;
}

bool ParseNumberText(const QString &text, double *value)
{
    const QString t = text.trimmed();
    bool ok = false;
    double d = QLocale::c().toDouble(t, &ok);
    if (!ok)
        d = QLocale().toDouble(t, &ok);
    if (!ok) {
        QString german = t;
        german.remove(u'.').replace(u',', u'.');
        d = QLocale::c().toDouble(german, &ok);
    }
    if (ok && std::isfinite(d)) {
        *value = d;
        return true;
    }
    return false;
}

bool ParseDateText(const QString &text, QDate *value)
{
    const QString t = text.trimmed();
    const QLocale loc;
    QDate d = QDate::fromString(t, Qt::ISODate);
    if (!d.isValid())
        d = loc.toDate(t, QLocale::ShortFormat);
    if (!d.isValid())
        d = loc.toDate(t, QLocale::LongFormat);
    for (const char *fmt : {"d.M.yyyy", "M/d/yyyy"}) {
        if (d.isValid())
            break;
        d = QDate::fromString(t, QString::fromLatin1(fmt));
    }
    if (!d.isValid())
        return false;
    *value = d;
    return true;
}

bool ParseTimeText(const QString &text, QTime *value)
{
    const QString t = text.trimmed();
    QTime r = QTime::fromString(t, Qt::ISODate);
    if (!r.isValid())
        r = QLocale().toTime(t, QLocale::ShortFormat);
    if (!r.isValid())
        r = QTime::fromString(t, QStringLiteral("H:mm"));
    if (!r.isValid())
        return false;
    *value = r;
    return true;
}
