#include "documents/notes.h"

namespace compila {

std::vector<std::string> righe_note() {
  // Long lines stay whole: the reader's editor wraps them.
  return {
      "Tratto Verona - Bologna :",
      "",
      "Il doppio binario è tra Verona e Isola della Scala  poi si prosegue ad unico binario, "
      "mentre tra Tavarnelle e Bologna riprende il doppio binario. La velocità della linea non "
      "è molto elevata anche ci sono poche curve; da anni continuano i lavori di raddoppio e "
      "per consentire velocità più elevate.",
      "Ci sono 2 fermate a Mirandola e Crevalcore in quanto devono transitare rispettivamente "
      "2 treni, per cui l'EC 85 deve posizionarsi in binario deviato ( per il problema del "
      "singolo binario , )",
      "",
      "Tratto Bologna - Firenze : ",
      "",
      "Le gallerie sono 30 come nella realtà, nella scheda treno non figurano le stazioni in "
      "prossimità di Firenze perchè troppo vicine tra loro.",
      "",
      "Note  comuni :",
      "",
      "Il calcolo della velocità di marcia è abbastanza preciso ma si arriva qualche minuto "
      "prima a Bologna che a Firenze, quindi regolate la velocità come credete meglio.",
      "Tutta la planimetria della linea è stata disegnata abbastanza fedelmente seguendo una "
      "carta 1 : 200.000, l'altimetria del tratto Appenninico è fedele da una carta F. S.",
      "mentre nella tratta Verona Bologna non ci sono variazioni significative.",
      "",
      "Buon viaggio.   ( seguiranno altre linee da e per Verona )",
      "",
      "Squadra scenari EC 85 - Verona - treni@example.org",
      "  ",
  };
}

}  // namespace compila
