<!DOCTYPE html>
<html lang="ru">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Обратная связь программы «Самвидра»</title>
<link rel="stylesheet" href="/style.css">
</head>
<body>
<main>
<h1>Обратная связь программы «Самвидра»</h1>
<p>На этот адрес программа «Самвидра» отправляет методом POST сообщения из формы обратной связи. Если открыть его в браузере, видна только эта заметка.</p>
<p class="home"><a href="/samvidra/">На главную страницу программы «Самвидра»</a></p>
</main>
</body>
</html>
