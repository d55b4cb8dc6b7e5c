// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuitcases.h"
#include "circuitkind.h"
#include "circuitsolutions.h"

namespace kel::solutions
{

// Which closed form a circuit's charge and current are evaluated with. Each is accurate on
// its own side of a boundary and meets its neighbour continuously there, so a curve stays
// right as a parameter crosses from one to the other.
enum class SolutionForm {
    // RC and RL: A·exp(−t/τ) plus the steady part.
    Exponential,
    // LC and underdamped RLC: exp(−α·t)·(A·cos ωd·t + B·sin ωd·t). B = (α·Q + J)/ωd grows as
    // ωd goes to 0 while B·sin ωd·t tends to (α·Q + J)·t, without cancellation.
    Oscillation,
    // Critically damped and nearly critically overdamped RLC (β <= |α|/2):
    // exp(−α·t)·(A·cosh β·t + B·sinh β·t), evaluated from the larger exponential and
    // (1 − exp(−2β·t))/(2β·t) so that nothing cancels or overflows. At β = 0 this is
    // (A + B·t)·exp(−α·t), the critical form, and it joins the oscillation at ωd = 0.
    Hyperbolic,
    // Overdamped RLC with well separated rates: A·exp(s1·t) + B·exp(s2·t), the rate nearer 0
    // from Vieta (s1·s2 = 1/(L·C)) instead of a cancelling difference.
    TwoExponentials,
    // Driven LC: the difference of the free and the driven sines written as a product,
    // (sin w0·t − (w0/ω)·sin ω·t)/(ω² − w0²) = (sin(ω·t)/ω − t·sinc(δ·t)·cos(σ·t))/(ω + w0)
    // with δ = (w0 − ω)/2 and σ = (w0 + ω)/2: at δ = 0 it is the resonance form itself.
    DrivenLc,
    // Driven RLC near resonance (|w0 − ωd| and α small against ω): the source's part
    // as (v0/L)·Im h(t), h the response to exp(i·w0·t) from rest, written with
    // φ(z) = (1 − exp(−z))/z so that the growing resonance term needs no cancellation.
    NearResonance,
    // The parameters give no curve (a zero divisor, L·C <= 0 where ω is needed): NaN.
    Undefined,
};

// What a circuit is, computed once from its kind (CircuitKind 1..8) and parameters: the
// regime and its figures, and the constants of the closed form. The charge and current
// evaluators, the regime text and the equations shown to the student all read this one
// value. Units: rates and angular frequencies in 1/s and rad/s, τ in s, charges in C,
// currents in A.
//
// Every form is written about the steady part K·cos(w0·t) + S·sin(w0·t) (steadyK, steadyS; a
// constant source has w0 = 0 and K = C·v0, or K = v0/R for the RL circuit's current), with
// the transient taking what it leaves of the initial values: Q = q0 − K, J = i0 − w0·S.
struct CircuitFigures {
    // Every figure starts at 0, the form and damping Undefined, off resonance. The start is
    // written field by field (see below): a block clear of the whole value would cost a
    // solution function more than its evaluation.
    CircuitFigures();

    CircuitKind kind;
    SolutionForm form;
    Damping damping;     // RLC kinds 4 and 8 (the exact test on D)
    Resonance resonance; // kind 5 (the text test)

    double alpha;         // α = R/(2L), the decay rate of the envelope (the lab's a = −α)
    double omega0;        // ω0 = 1/sqrt(L·C); NaN where L·C <= 0
    double omega0Squared; // 1/(L·C), which stays defined for L·C < 0
    double omegaD;        // ωd = sqrt(ω0² − α²), underdamped
    double beta;          // β = sqrt(α² − ω0²) >= 0, overdamped
    double s1, s2;        // overdamped rates, s1 = −α + sqrt(D)/(2L) as the lab names them
    double tau;           // time constant: R·C, L/R, or 1/α for the RLC envelope
    double quality;       // Q = ω0·L/R of the RLC circuits

    double v0;      // source voltage or amplitude, V
    double w0;      // driving angular frequency as typed (0 for a constant source)
    double steadyK; // steady part's cosine amplitude (the constant C·v0 or v0/R)
    double steadyS; // steady part's sine amplitude
    double q0, i0;

    // The transient's constants A (coeffA) and B (coeffB), as the form uses them:
    //   Exponential      A·exp(−t/τ), A = q0 − K (RC) or i0 − K (RL);
    //   Oscillation      exp(−α·t)·(A·cos ωd·t + B·sin ωd·t), A = Q, B = (α·Q + J)/ωd;
    //   Hyperbolic       exp(−α·t)·(A·cosh β·t + B·sinh β·t), A = Q, B = (α·Q + J)/β, and
    //                    (A + B·t)·exp(−α·t) with B = α·Q + J at β = 0;
    //   TwoExponentials  A·exp(s1·t) + B·exp(s2·t), A = (s2·Q − J)/(s2 − s1),
    //                    B = (J − s1·Q)/(s2 − s1);
    //   DrivenLc         A·cos ω0·t + B·sin ω0·t + F·(...), A = q0, B = i0/ω0.
    double coeffA, coeffB;
    double coeffBw; // Hyperbolic: B·β = α·Q + J, finite at β = 0
    // The current in the same form: Oscillation exp(−α·t)·(iA·cos ωd·t + iB·sin ωd·t),
    // iA = J, iB = −(ω0²·Q + α·J)/ωd; Hyperbolic iA·exp(−α·t)·cosh β·t +
    // iB·exp(−α·t)·sinh(β·t)/β, iA = J, iB = −(ω0²·Q + α·J); TwoExponentials
    // iA·exp(s1·t) + iB·exp(s2·t), iA = s1·A, iB = s2·B; RC iA·exp(−t/τ), iA = −A/τ.
    double currentA, currentB;
    // Hyperbolic: the current's sinh coefficient iB/β as a teacher writes it (iB·t at β = 0).
    double currentSinhB;
    double rate; // Exponential: the decay rate 1/τ, 1/(R·C) or R/L
    // Near t = 0 (|t| times the largest rate or frequency <= 0.1) the evaluators sum the Taylor
    // series of the solution, its coefficients from the circuit equation, the source entering
    // divided by sourceDivisor (R for RC, L otherwise): there the closed forms' constants would
    // cancel to a small remainder.
    double sourceDivisor;

    // The driven LC circuit's particular amplitude as the lab writes it:
    // off resonance P = (v0/(ω0² − w0²))/L; at resonance (the text test) P = −v0/((2·w0)·L).
    double drivenP;
    // Driven LC: (sign of w0)·(v0/L)/(ω0 + |w0|), the amplitude F of
    // F·(sin(ω0·t)/ω0 − t·sinc(δ·t)·cos(σ·t)); at resonance F = v0/(2·L·w0) = −P.
    double drivenF;
};

inline CircuitFigures::CircuitFigures()
{
    kind = CircuitKind::None;
    form = SolutionForm::Undefined;
    damping = Damping::Undefined;
    resonance = Resonance::OffResonance;
    alpha = 0;
    omega0 = 0;
    omega0Squared = 0;
    omegaD = 0;
    beta = 0;
    s1 = 0;
    s2 = 0;
    tau = 0;
    quality = 0;
    v0 = 0;
    w0 = 0;
    steadyK = 0;
    steadyS = 0;
    q0 = 0;
    i0 = 0;
    coeffA = 0;
    coeffB = 0;
    coeffBw = 0;
    currentA = 0;
    currentB = 0;
    currentSinhB = 0;
    rate = 0;
    sourceDivisor = 0;
    drivenP = 0;
    drivenF = 0;
}

// The figures of `kind` for `p`. CircuitKind::None gives the Undefined form.
CircuitFigures figuresOf(CircuitKind kind, const CircuitParameters &p);

// Charge (C) and current (A) at time t (s) from the figures; NaN for the Undefined form and
// for the charge of the RL kinds 2 and 7.
double chargeAt(const CircuitFigures &f, double t);
double currentAt(const CircuitFigures &f, double t);

} // namespace kel::solutions
