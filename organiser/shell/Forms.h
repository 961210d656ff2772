#pragma once

class TDC;
class TFormMainTarvo;
class TFormRubrica;
class TFormAnteprimaStampa;
class TFormAppunti;
class TFormAppuntiCategoria;
class TFormCalendario;
class TFormImpostazioniMail;
class TFormLog;
class TFormNuovaCategoria;
class TFormNuovaRubrica;
class TFormPreferenze;
class TFormPromemoria;
class TFormPuliziaAgenda;

// The data module and every window of the organiser, filled in creation order. Each window
// receives it, so that a window reaches the ones created before it at once and every other
// one once the message loop runs.
struct TForms
{
    TDC* DC = nullptr;
    TFormMainTarvo* FormMainTarvo = nullptr;
    TFormRubrica* FormRubrica = nullptr;
    TFormAnteprimaStampa* FormAnteprimaStampa = nullptr;
    TFormAppunti* FormAppunti = nullptr;
    TFormAppuntiCategoria* FormAppuntiCategoria = nullptr;
    TFormCalendario* FormCalendario = nullptr;
    TFormImpostazioniMail* FormImpostazioniMail = nullptr;
    TFormLog* FormLog = nullptr;
    TFormNuovaCategoria* FormNuovaCategoria = nullptr;
    TFormNuovaRubrica* FormNuovaRubrica = nullptr;
    TFormPreferenze* FormPreferenze = nullptr;
    TFormPromemoria* FormPromemoria = nullptr;
    TFormPuliziaAgenda* FormPuliziaAgenda = nullptr;
};
