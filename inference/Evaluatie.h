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

struct TRegelResultaat {
    bool Gevuurd;
    TPunt Punten[5];
};

// The working state of an evaluation, held by its owner (the inference window, the evaluator).
struct TInferentieToestand {
    TInputRij InputRijen[MaxInputs];
    std::int32_t AantalRijen;  // rows bound by the last KoppelInputs
    TRegelResultaat RegelResultaten[MaxRegels];
    bool ErIsGevuurd;
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
