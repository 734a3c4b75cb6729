#pragma once
// "Simplifier" on an expression: the zero vector written 0, the terms that
// share a denominator gathered into one fraction, the normal form, a
// quotient divided exactly, and the roots of each product merged (with the
// option racines, each integer root simplified first).

#include "algebra/issue.h"
#include "algebra/options_calcul.h"
#include "formula/enonce.h"

Issue simplifie(const EnonceLu &enonce, const OptionsCalcul &options);
