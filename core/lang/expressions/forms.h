#pragma once
// Every third-parameter form: parse (text to form), print (form to text), encode, decode.
#include "core/lang/expressions/argument_list.h"
#include "core/lang/expressions/call_form.h"
#include "core/lang/expressions/condition_chain.h"
#include "core/lang/expressions/expression.h"
#include "core/lang/expressions/for_header.h"
#include "core/lang/expressions/parameter_area.h"
#include "core/lang/expressions/plain_forms.h"
#include "core/lang/expressions/punctuation.h"
#include "core/lang/expressions/relation.h"
#include "core/lang/operands/system_words.h"
#include "core/lang/operands/token.h"
