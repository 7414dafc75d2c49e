// The evaluation: membership degrees of the crisp inputs in whole percent, each rule's firing
// strength and five-point implied set, and the crisp outcome by mean of maxima or centre of
// gravity. Works on the vertices of the implied sets; the output universe is never sampled.
#pragma once

#include <cstdint>

#include "model/Model.h"

struct TInputRij {
    std::int32_t Variabele;  // index into VariabeleLijst
    std::int32_t Waarde;     // the crisp value
    std::int32_t Graad[MaxLabels];
};

struct TPunt {
    double X;
    double Y;
};

// Two doubles side by side, so that a point's X and Y are formed in one step.
typedef double TPaar __attribute__((vector_size(16)));

struct TRegelResultaat {
    bool Gevuurd;
    TPunt Punten[5];
};

// What the evaluation of one rule needs, derived from the model.
struct TVoorbereideRegel {
    TPaar Punt[4];      // (A, 0), (B, 0), (C, 0), (D, 0) of the conclusion's label
    TPaar Verschil[3];  // (B - A, 1), (C - B, 1), (D - C, 1), the differences formed whole
    // The conditions as positions in the table of bound degrees; an unknown condition points at
    // its 0, a condition the rule lacks at its 100.
    std::uint8_t Conditie[MaxTermen - 1];
    bool HeeftConclusie;  // the conclusion names a label of an existing variable
};

// What the rule evaluation derives from the model's rules and labels and from the row bindings,
// with a copy of exactly what it was derived from. EvalueerRegels compares that copy with the
// model on every call and derives again when anything differs, so the result is always that of
// the model as it is; its owner never needs to touch this. Kept in the state, not on the heap,
// so that an evaluation never allocates.
struct TRegelVoorbereiding {
    std::uint64_t Stempel;  // a fixed mark while the rest is valid; anything else: derive again
    std::int32_t AantalVariabelen;
    std::int32_t AantalRegels;
    std::int32_t AantalRijen;
    std::int32_t RijVariabele[MaxInputs];
    // Of the model, as it was: every variable's label count, the labels of the variables that
    // conclusions name (bit v of Conclusies), and the rules.
    std::int32_t AantalLabels[MaxVariabelen];
    std::uint32_t Conclusies;
    TFuzzyLabel Labels[MaxVariabelen][MaxLabels];
    TRegel RegelLijst[MaxRegels];
    TVoorbereideRegel Regels[MaxRegels];
};

// The working state of an evaluation, held by its owner (the inference window, the evaluator).
struct TInferentieToestand {
    TInputRij InputRijen[MaxInputs];
    std::int32_t AantalRijen;  // rows bound by the last KoppelInputs
    TRegelResultaat RegelResultaten[MaxRegels];
    bool ErIsGevuurd;
    TRegelVoorbereiding Voorbereiding;  // the evaluation's own; see above
};

// Degree 0..100 of waarde in label `label` of variable `variabele`.
std::int32_t Lidmaatschapsgraad(const TFuzzyModel& model, int variabele, int label,
                                std::int32_t waarde);
// Binds one row per input variable (at most five), each at its variable's Min; returns the count.
int KoppelInputs(const TFuzzyModel& model, TInferentieToestand& toestand);
void ZetInputWaarde(TInferentieToestand& toestand, int rij, std::int32_t waarde);
void FuzzificeerInputs(const TFuzzyModel& model, TInferentieToestand& toestand);
void EvalueerRegel(const TFuzzyModel& model, TInferentieToestand& toestand, int r);
void EvalueerRegels(const TFuzzyModel& model, TInferentieToestand& toestand);
// The last output variable in index order; -1 when the model has none.
int OutputVariabele(const TFuzzyModel& model);
// The crisp outcome, truncated toward zero. Meaningful only when ErIsGevuurd; 0 otherwise.
std::int32_t BerekenUitkomst(const TFuzzyModel& model, const TInferentieToestand& toestand);
