// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// Mathematics written in two typesettings at once: the HTML subset Qt's rich text renders
// (sub, sup, tables, paragraphs) and LaTeX for a document with amsmath (balanced, specials
// escaped). The pieces add up with +; a MathWriter collects headings, sentences and
// displayed equations into a document.
namespace kel::lab::mathtext
{

// A piece of mathematics in both typesettings.
struct Math {
    QString html, latex;
};

Math operator+(const Math &a, const Math &b);
Math both(const QString &html, const QString &latex);

// Text for a sentence of the LaTeX document: specials escaped, the symbols the sentences use
// (α, ω, √, ², ·, −, <, >, ...) as inline mathematics so that a plain LaTeX setup typesets them.
QString latexEscaped(const QString &text);

// A number with 4 significant digits, an exponent as a power of ten.
Math number(double value);

extern const Math kSpace;  // a thin space between factors
extern const Math kEquals; // " = "
extern const Math kComma;  // a comma and a wide space between two equations on one line

Math italic(const QString &name);
Math sub(const Math &base, const QString &index);
Math paren(const Math &x);
// A stacked fraction.
Math frac(const Math &numerator, const Math &denominator);
// A fraction on one line, for exponents.
Math slash(const Math &numerator, const Math &denominator);
Math power(const Math &base, const Math &exponent);
Math squared(const Math &base);
Math root(const Math &x);
// name(argument); a name LaTeX does not know ("sinc") as an operator name.
Math function(const QString &name, const Math &argument);
Math exponential(const Math &exponent);
// A unit after a number, upright in LaTeX.
Math unit(const QString &html, const QString &latex);
Math perSecond();

// A sum of coefficient·body terms written with signs as a teacher writes them: zero terms
// left out, a negative coefficient as a minus sign.
class Terms
{
public:
    Terms &add(double coefficient, const Math &body);
    // A term written as it is, sign included.
    Terms &addMath(const Math &term);
    Math math() const;
    bool isEmpty() const { return m_terms.isEmpty(); }

private:
    struct Term {
        double coefficient;
        Math body;
        bool plain = false;
    };
    QList<Term> m_terms;
};

// A document being written, in both typesettings at once.
class MathWriter
{
public:
    void heading(const QString &words);
    void section(const QString &words);
    void sentence(const QString &words);
    // A displayed equation.
    void equation(const Math &m);
    const QString &richText() const { return m_richText; }
    const QString &latex() const { return m_latex; }

private:
    QString m_richText, m_latex;
};

} // namespace kel::lab::mathtext
