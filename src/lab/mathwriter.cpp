// SPDX-License-Identifier: GPL-3.0-or-later
#include "mathwriter.h"

#include "solutions/numbertext.h"

#include <cmath>
#include <utility>

namespace kel::lab::mathtext
{

namespace
{

// The symbols the sentences use, as inline mathematics, so that a plain LaTeX setup
// typesets them.
QString mathInText(QChar c)
{
    static constexpr std::pair<char16_t, const char *> kSymbols[] = {
        {u'α', "$\\alpha$"}, {u'β', "$\\beta$"}, {u'δ', "$\\delta$"}, {u'σ', "$\\sigma$"},
        {u'ω', "$\\omega$"}, {u'√', "$\\surd$"}, {u'²', "$^2$"},      {u'·', "$\\cdot$"},
        {u'−', "$-$"},       {u'<', "$<$"},      {u'>', "$>$"}};
    for (const auto &[symbol, latex] : kSymbols)
        if (c.unicode() == symbol)
            return QString::fromLatin1(latex);
    return c;
}

// An equation's rich text is one table row: a stacked fraction closes the current cell, sits
// in a cell of its own as a two-row table with a rule under the numerator, and opens the next.
const QString kCellBreak = QStringLiteral("</td><td valign=\"middle\">");

QString ownRow(const QString &html)
{
    if (!html.contains(QLatin1String("<table")))
        return html;
    return QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\"><tr><td valign=\"middle\">") +
           html + QStringLiteral("</td></tr></table>");
}

} // namespace

const Math kSpace{QStringLiteral("&nbsp;"), QStringLiteral("\\,")};
const Math kEquals{QStringLiteral("&nbsp;=&nbsp;"), QStringLiteral(" = ")};
const Math kComma{QStringLiteral(",&nbsp;&nbsp;"), QStringLiteral(",\\quad ")};

Math operator+(const Math &a, const Math &b)
{
    return {a.html + b.html, a.latex + b.latex};
}

Math both(const QString &html, const QString &latex)
{
    return {html, latex};
}

QString latexEscaped(const QString &text)
{
    QString out;
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\\':
            out += QStringLiteral("\\textbackslash{}");
            break;
        case '^':
            out += QStringLiteral("\\textasciicircum{}");
            break;
        case '~':
            out += QStringLiteral("\\textasciitilde{}");
            break;
        case '{':
        case '}':
        case '$':
        case '&':
        case '#':
        case '_':
        case '%':
            out += QLatin1Char('\\') + c;
            break;
        default:
            out += mathInText(c);
        }
    }
    return out;
}

Math number(double value)
{
    const QString text = QString::fromStdString(solutions::shortText(value, 4));
    const qsizetype e = text.indexOf(QLatin1Char('e'));
    QString mantissa = e < 0 ? text : text.left(e);
    if (!std::isfinite(value))
        return both(text, QStringLiteral("\\mathrm{") + text + QLatin1Char('}'));
    QString exponent;
    if (e >= 0) {
        const QString digits = text.mid(e + 1);
        const bool negative = digits.startsWith(QLatin1Char('-'));
        QString magnitude = digits.mid(1);
        while (magnitude.size() > 1 && magnitude.startsWith(QLatin1Char('0')))
            magnitude.remove(0, 1);
        exponent = (negative ? QStringLiteral("-") : QString()) + magnitude;
    }
    Math m{QString(mantissa).replace(QLatin1Char('-'), QChar(0x2212)), mantissa};
    if (!exponent.isEmpty())
        m = m + both(QStringLiteral("·10<sup>") +
                         QString(exponent).replace(QLatin1Char('-'), QChar(0x2212)) +
                         QStringLiteral("</sup>"),
                     QStringLiteral("\\cdot 10^{") + exponent + QLatin1Char('}'));
    return m;
}

Math italic(const QString &name)
{
    return both(QStringLiteral("<i>") + name + QStringLiteral("</i>"), name);
}

Math sub(const Math &base, const QString &index)
{
    return base + both(QStringLiteral("<sub>") + index + QStringLiteral("</sub>"),
                       QStringLiteral("_{") + index + QLatin1Char('}'));
}

Math paren(const Math &x)
{
    return both(QStringLiteral("("), QStringLiteral("\\left(")) + x +
           both(QStringLiteral(")"), QStringLiteral("\\right)"));
}

Math frac(const Math &numerator, const Math &denominator)
{
    return {
        kCellBreak +
            QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\"><tr><td align=\"center\" "
                           "style=\"border-bottom: 1px solid black; padding: 0 2px\">") +
            ownRow(numerator.html) +
            QStringLiteral("</td></tr><tr><td align=\"center\" style=\"padding: 0 2px\">") +
            ownRow(denominator.html) + QStringLiteral("</td></tr></table>") + kCellBreak,
        QStringLiteral("\\frac{") + numerator.latex + QStringLiteral("}{") + denominator.latex +
            QLatin1Char('}')};
}

Math slash(const Math &numerator, const Math &denominator)
{
    return {numerator.html + QStringLiteral("/") + denominator.html,
            QStringLiteral("\\frac{") + numerator.latex + QStringLiteral("}{") + denominator.latex +
                QLatin1Char('}')};
}

Math power(const Math &base, const Math &exponent)
{
    return {base.html + QStringLiteral("<sup>") + exponent.html + QStringLiteral("</sup>"),
            QLatin1Char('{') + base.latex + QStringLiteral("}^{") + exponent.latex +
                QLatin1Char('}')};
}

Math squared(const Math &base)
{
    return power(base, both(QStringLiteral("2"), QStringLiteral("2")));
}

Math root(const Math &x)
{
    return {QStringLiteral("√") + paren(x).html,
            QStringLiteral("\\sqrt{") + x.latex + QLatin1Char('}')};
}

Math function(const QString &name, const Math &argument)
{
    const bool known = name != QLatin1String("sinc");
    return both(name, known ? QLatin1Char('\\') + name
                            : QStringLiteral("\\operatorname{") + name + QLatin1Char('}')) +
           paren(argument);
}

Math exponential(const Math &exponent)
{
    return power(both(QStringLiteral("e"), QStringLiteral("e")), exponent);
}

Math unit(const QString &html, const QString &latex)
{
    return both(QStringLiteral("&nbsp;") + html, QStringLiteral("\\ \\mathrm{") + latex + u'}');
}

Math perSecond()
{
    return unit(QStringLiteral("s<sup>−1</sup>"), QStringLiteral("s}^{-1}\\mathrm{"));
}

Terms &Terms::add(double coefficient, const Math &body)
{
    if (coefficient != 0)
        m_terms.append({coefficient, body});
    return *this;
}

Terms &Terms::addMath(const Math &term)
{
    m_terms.append({1, term, true});
    return *this;
}

Math Terms::math() const
{
    Math out;
    for (qsizetype n = 0; n < m_terms.size(); ++n) {
        const Term &term = m_terms[n];
        const bool negative = !term.plain && term.coefficient < 0;
        if (n > 0)
            out = out + (negative ? both(QStringLiteral("&nbsp;−&nbsp;"), QStringLiteral(" - "))
                                  : both(QStringLiteral("&nbsp;+&nbsp;"), QStringLiteral(" + ")));
        else if (negative)
            out = out + both(QStringLiteral("−"), QStringLiteral("-"));
        if (term.plain) {
            out = out + term.body;
            continue;
        }
        out = out + number(std::abs(term.coefficient));
        if (!term.body.html.isEmpty())
            out = out + kSpace + term.body;
    }
    return m_terms.isEmpty() ? both(QStringLiteral("0"), QStringLiteral("0")) : out;
}

void MathWriter::heading(const QString &words)
{
    m_richText += QStringLiteral("<h3>") + words.toHtmlEscaped() + QStringLiteral("</h3>");
    m_latex += QStringLiteral("\\subsection*{") + latexEscaped(words) + QStringLiteral("}\n");
}

void MathWriter::section(const QString &words)
{
    m_richText += QStringLiteral("<p><b>") + words.toHtmlEscaped() + QStringLiteral("</b></p>");
    m_latex += QStringLiteral("\\paragraph{") + latexEscaped(words) + QStringLiteral("}\n");
}

void MathWriter::sentence(const QString &words)
{
    m_richText += QStringLiteral("<p>") + words.toHtmlEscaped() + QStringLiteral("</p>");
    m_latex += latexEscaped(words) + QStringLiteral("\n\n");
}

void MathWriter::equation(const Math &m)
{
    m_richText += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\" "
                                 "style=\"margin-left: 18px; margin-bottom: 6px\"><tr>"
                                 "<td valign=\"middle\">") +
                  m.html + QStringLiteral("</td></tr></table>");
    m_latex += QStringLiteral("\\[ ") + m.latex + QStringLiteral(" \\]\n");
}

} // namespace kel::lab::mathtext
